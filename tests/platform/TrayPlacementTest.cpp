#include <gtest/gtest.h>

#include "platform/tray/TrayPlacement.h"

namespace swivlo::tray {
namespace {

struct ChoiceCase {
    const char* name;
    TrayFacts facts;
    TrayKind kind;
};

class TrayChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(TrayChoice, OwnItemOnlyWhereAWatcherHasAHost) {
    EXPECT_EQ(chooseTray(GetParam().facts), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, TrayChoice,
    ::testing::Values(ChoiceCase{"XfceOrPlasmaOrGnomeWithAppIndicator",
                                 {true, true, true},
                                 TrayKind::statusNotifierItem},
                      ChoiceCase{"KdedBeforePlasmashell", {true, true, false}, TrayKind::xembed},
                      ChoiceCase{"BareX11OrWeston", {true, false, false}, TrayKind::xembed},
                      ChoiceCase{"NoSessionBus", {false, false, false}, TrayKind::xembed}),
    [](const auto& info) { return std::string(info.param.name); });

// A 1280x800 screen.
const QRect screen(0, 0, 1280, 800);
const QRect topPanel(0, 27, 1280, 773);        // XFCE, GNOME: a 27 high panel at the top
const QRect bottomPanel(0, 0, 1280, 756);      // Plasma: a 44 high panel at the bottom
const QRect bothPanels(0, 27, 1280, 729);      // a top panel and a dock that reserves space
const QRect rightPanel(0, 0, 1240, 800);       // a vertical panel on the right
const QRect nothingReserved(0, 0, 1280, 800);  // weston, a bare X server

struct AnchorCase {
    const char* name;
    QRect click;  // empty: before any click
    QRect available;
    bool trayShown;
    QRect anchor;
};

class TrayAnchor : public ::testing::TestWithParam<AnchorCase> {};

TEST_P(TrayAnchor, BesideTheTraysPanelNeverOverIt) {
    const AnchorCase& c = GetParam();
    EXPECT_EQ(c.click.isEmpty() ? restingAnchor(screen, c.available, c.trayShown)
                                : anchorForClick(c.click, screen, c.available),
              c.anchor);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrayAnchor,
    ::testing::Values(
        AnchorCase{"ClickInATopPanel", {1155, 13, 1, 1}, topPanel, true, {1155, 0, 1, 27}},
        AnchorCase{"IconInATopPanel", {1146, 2, 22, 22}, topPanel, true, {1146, 0, 22, 27}},
        AnchorCase{"ClickInABottomPanel", {1100, 780, 1, 1}, bottomPanel, true, {1100, 756, 1, 44}},
        AnchorCase{"ClickInARightPanel", {1260, 700, 1, 1}, rightPanel, true, {1240, 700, 40, 1}},
        AnchorCase{
            "PointAlreadyBesideThePanel", {1100, 740, 1, 1}, bottomPanel, true, {1100, 740, 1, 1}},
        AnchorCase{"BeforeAnyClickTopPanel", {}, topPanel, true, {1279, 0, 1, 27}},
        AnchorCase{"BeforeAnyClickBottomPanel", {}, bottomPanel, true, {1279, 756, 1, 44}},
        AnchorCase{"BeforeAnyClickTopWinsOverADock", {}, bothPanels, true, {1279, 0, 1, 27}},
        AnchorCase{"BeforeAnyClickRightPanel", {}, rightPanel, true, {1240, 799, 40, 1}},
        AnchorCase{"NoTrayTopRight", {}, topPanel, false, {1279, 27, 1, 1}},
        AnchorCase{"NothingReservedTopRight", {}, nothingReserved, true, {1279, 0, 1, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace swivlo::tray
