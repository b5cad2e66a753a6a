#include "platform/KeyTranslation.h"

#include <Qt>
#include <algorithm>
#include <array>
#include <utility>

#include "platform/Events.h"

namespace swivlo::keys {

namespace {

constexpr int noKey = -1;

// Indexed by Linux evdev code (X11 keycode - 8).
constexpr auto evdevTable = [] {
    std::array<int, 256> t{};
    t.fill(noKey);
    const std::pair<int, int> pairs[] = {
        {1, 53},                                                              // Escape
        {2, 18},    {3, 19},    {4, 20},    {5, 21},    {6, 23},    {7, 22},  // 1..6
        {8, 26},    {9, 28},    {10, 25},   {11, 29},                         // 7 8 9 0
        {12, 27},   {13, 24},   {14, 51},   {15, 48},                         // - = Backspace Tab
        {16, 12},   {17, 13},   {18, 14},   {19, 15},   {20, 17},             // Q W E R T
        {21, 16},   {22, 32},   {23, 34},   {24, 31},   {25, 35},             // Y U I O P
        {26, 33},   {27, 30},   {28, 36},   {29, 59},                         // [ ] Return LCtrl
        {30, 0},    {31, 1},    {32, 2},    {33, 3},    {34, 5},              // A S D F G
        {35, 4},    {36, 38},   {37, 40},   {38, 37},                         // H J K L
        {39, 41},   {40, 39},   {41, 50},   {42, 56},   {43, 42},    // ; ' ` LShift backslash
        {44, 6},    {45, 7},    {46, 8},    {47, 9},    {48, 11},    // Z X C V B
        {49, 45},   {50, 46},   {51, 43},   {52, 47},   {53, 44},    // N M , . /
        {54, 60},   {55, 67},   {56, 58},   {57, 49},   {58, 57},    // RShift KP* LAlt Space Caps
        {59, 122},  {60, 120},  {61, 99},   {62, 118},  {63, 96},    // F1..F5
        {64, 97},   {65, 98},   {66, 100},  {67, 101},  {68, 109},   // F6..F10
        {69, 71},                                                    // NumLock as Clear
        {71, 89},   {72, 91},   {73, 92},   {74, 78},                // KP7 KP8 KP9 KP-
        {75, 86},   {76, 87},   {77, 88},   {78, 69},                // KP4 KP5 KP6 KP+
        {79, 83},   {80, 84},   {81, 85},   {82, 82},   {83, 65},    // KP1 KP2 KP3 KP0 KP.
        {86, 10},   {87, 103},  {88, 111},                           // ISO section F11 F12
        {96, 76},   {97, 62},   {98, 75},   {100, 61},               // KPEnter RCtrl KP/ RAlt
        {102, 115}, {103, 126}, {104, 116}, {105, 123}, {106, 124},  // Home Up PgUp Left Right
        {107, 119}, {108, 125}, {109, 121}, {110, 114}, {111, 117},  // End Down PgDn Ins Del
        {113, 74},  {114, 73},  {115, 72},  {117, 81},               // Mute Vol- Vol+ KP=
        {125, 55},  {126, 54},                                       // LMeta RMeta
        {183, 105}, {184, 107}, {185, 113}, {186, 106},              // F13..F16
        {187, 64},  {188, 79},  {189, 80},  {190, 90},               // F17..F20
    };
    for (const auto& [evdev, mac] : pairs) {
        t[evdev] = mac;
    }
    return t;
}();

constexpr unsigned x11ShiftMask = 1u << 0;
constexpr unsigned x11LockMask = 1u << 1;
constexpr unsigned x11ControlMask = 1u << 2;
constexpr unsigned x11Mod1Mask = 1u << 3;
constexpr unsigned x11Mod4Mask = 1u << 6;

}  // namespace

std::optional<std::uint16_t> keyCodeFromX11(unsigned x11Keycode) {
    if (x11Keycode < 8 || x11Keycode - 8 >= evdevTable.size()) {
        return std::nullopt;
    }
    const int mac = evdevTable[x11Keycode - 8];
    return mac == noKey ? std::nullopt : std::optional<std::uint16_t>(mac);
}

std::uint64_t modifierFlagsFromX11(unsigned x11State) {
    std::uint64_t flags = 0;
    if (x11State & x11LockMask) {
        flags |= ModifierFlag::capsLock;
    }
    if (x11State & x11ShiftMask) {
        flags |= ModifierFlag::shift;
    }
    if (x11State & x11ControlMask) {
        flags |= ModifierFlag::control;
    }
    if (x11State & x11Mod1Mask) {
        flags |= ModifierFlag::option;
    }
    if (x11State & x11Mod4Mask) {
        flags |= ModifierFlag::command;
    }
    return flags;
}

std::optional<unsigned> x11KeycodeFor(std::uint16_t keyCode) {
    for (unsigned evdev = 0; evdev < evdevTable.size(); ++evdev) {
        if (evdevTable[evdev] == keyCode) {
            return evdev + 8;
        }
    }
    return std::nullopt;
}

unsigned x11ModifiersFor(std::uint64_t flags) {
    unsigned mask = 0;
    const std::pair<std::uint64_t, unsigned> bits[] = {{ModifierFlag::capsLock, x11LockMask},
                                                       {ModifierFlag::shift, x11ShiftMask},
                                                       {ModifierFlag::control, x11ControlMask},
                                                       {ModifierFlag::option, x11Mod1Mask},
                                                       {ModifierFlag::command, x11Mod4Mask}};
    for (const auto& [flag, x11] : bits) {
        if (flags & flag) {
            mask |= x11;
        }
    }
    return mask;
}

// F1 to F20.
constexpr std::array<std::uint16_t, 20> functionKeys = {
    122, 120, 99, 118, 96, 97, 98, 100, 101, 109, 103, 111, 105, 107, 113, 106, 64, 79, 80, 90};

std::optional<std::uint16_t> keyCodeFromQtKey(int qtKey) {
    static constexpr std::uint16_t letters[26] = {0,  11, 8,  2,  14, 3, 5,  4,  34, 38, 40, 37, 46,
                                                  45, 31, 35, 12, 15, 1, 17, 32, 9,  13, 7,  16, 6};
    static constexpr std::uint16_t digits[10] = {29, 18, 19, 20, 21, 23, 22, 26, 28, 25};
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return letters[qtKey - Qt::Key_A];
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return digits[qtKey - Qt::Key_0];
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F20) {
        return functionKeys[qtKey - Qt::Key_F1];
    }
    switch (qtKey) {
        case Qt::Key_Escape:
            return KeyCode::escape;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return KeyCode::tab;
        case Qt::Key_Backspace:
            return KeyCode::deleteKey;
        case Qt::Key_Return:
            return KeyCode::returnKey;
        case Qt::Key_Enter:
            return 76;
        case Qt::Key_Space:
            return KeyCode::space;
        case Qt::Key_Delete:
            return KeyCode::forwardDelete;
        case Qt::Key_Insert:
        case Qt::Key_Help:
            return KeyCode::help;
        case Qt::Key_Home:
            return KeyCode::home;
        case Qt::Key_End:
            return KeyCode::end;
        case Qt::Key_PageUp:
            return KeyCode::pageUp;
        case Qt::Key_PageDown:
            return KeyCode::pageDown;
        case Qt::Key_Left:
            return KeyCode::leftArrow;
        case Qt::Key_Right:
            return KeyCode::rightArrow;
        case Qt::Key_Down:
            return KeyCode::downArrow;
        case Qt::Key_Up:
            return KeyCode::upArrow;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            return 27;
        case Qt::Key_Equal:
        case Qt::Key_Plus:
            return 24;
        case Qt::Key_BracketLeft:
        case Qt::Key_BraceLeft:
            return 33;
        case Qt::Key_BracketRight:
        case Qt::Key_BraceRight:
            return 30;
        case Qt::Key_Semicolon:
        case Qt::Key_Colon:
            return 41;
        case Qt::Key_Apostrophe:
        case Qt::Key_QuoteDbl:
            return 39;
        case Qt::Key_QuoteLeft:
        case Qt::Key_AsciiTilde:
            return 50;
        case Qt::Key_Backslash:
        case Qt::Key_Bar:
            return 42;
        case Qt::Key_Comma:
        case Qt::Key_Less:
            return 43;
        case Qt::Key_Period:
        case Qt::Key_Greater:
            return 47;
        case Qt::Key_Slash:
        case Qt::Key_Question:
            return 44;
        case Qt::Key_Shift:
            return 56;
        case Qt::Key_Control:
            return 59;
        case Qt::Key_Alt:
            return 58;
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
            return 55;
        case Qt::Key_Super_R:
            return 54;
        case Qt::Key_CapsLock:
            return 57;
        case Qt::Key_VolumeUp:
            return 72;
        case Qt::Key_VolumeDown:
            return 73;
        case Qt::Key_VolumeMute:
            return 74;
        default:
            return std::nullopt;
    }
}

int qtKeyFor(std::uint16_t keyCode) {
    // The keys the recorder can store, each by the first Qt key that gives it.
    for (int key = Qt::Key_A; key <= Qt::Key_Z; ++key) {
        if (keyCodeFromQtKey(key) == keyCode) {
            return key;
        }
    }
    for (int key = Qt::Key_0; key <= Qt::Key_9; ++key) {
        if (keyCodeFromQtKey(key) == keyCode) {
            return key;
        }
    }
    for (int key = Qt::Key_F1; key <= Qt::Key_F20; ++key) {
        if (keyCodeFromQtKey(key) == keyCode) {
            return key;
        }
    }
    const int others[] = {
        Qt::Key_Escape,    Qt::Key_Tab,        Qt::Key_Backspace,   Qt::Key_Return,
        Qt::Key_Enter,     Qt::Key_Space,      Qt::Key_Delete,      Qt::Key_Insert,
        Qt::Key_Home,      Qt::Key_End,        Qt::Key_PageUp,      Qt::Key_PageDown,
        Qt::Key_Left,      Qt::Key_Right,      Qt::Key_Down,        Qt::Key_Up,
        Qt::Key_Minus,     Qt::Key_Equal,      Qt::Key_BracketLeft, Qt::Key_BracketRight,
        Qt::Key_Semicolon, Qt::Key_Apostrophe, Qt::Key_QuoteLeft,   Qt::Key_Backslash,
        Qt::Key_Comma,     Qt::Key_Period,     Qt::Key_Slash};
    for (const int key : others) {
        if (keyCodeFromQtKey(key) == keyCode) {
            return key;
        }
    }
    return 0;
}

std::string keysymNameFor(std::uint16_t keyCode) {
    const int key = qtKeyFor(keyCode);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return std::string(1, static_cast<char>('a' + (key - Qt::Key_A)));
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return std::string(1, static_cast<char>('0' + (key - Qt::Key_0)));
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F20) {
        return "F" + std::to_string(key - Qt::Key_F1 + 1);
    }
    const std::pair<int, const char*> names[] = {{Qt::Key_Escape, "Escape"},
                                                 {Qt::Key_Tab, "Tab"},
                                                 {Qt::Key_Backspace, "BackSpace"},
                                                 {Qt::Key_Return, "Return"},
                                                 {Qt::Key_Enter, "KP_Enter"},
                                                 {Qt::Key_Space, "space"},
                                                 {Qt::Key_Delete, "Delete"},
                                                 {Qt::Key_Insert, "Insert"},
                                                 {Qt::Key_Home, "Home"},
                                                 {Qt::Key_End, "End"},
                                                 {Qt::Key_PageUp, "Page_Up"},
                                                 {Qt::Key_PageDown, "Page_Down"},
                                                 {Qt::Key_Left, "Left"},
                                                 {Qt::Key_Right, "Right"},
                                                 {Qt::Key_Down, "Down"},
                                                 {Qt::Key_Up, "Up"},
                                                 {Qt::Key_Minus, "minus"},
                                                 {Qt::Key_Equal, "equal"},
                                                 {Qt::Key_BracketLeft, "bracketleft"},
                                                 {Qt::Key_BracketRight, "bracketright"},
                                                 {Qt::Key_Semicolon, "semicolon"},
                                                 {Qt::Key_Apostrophe, "apostrophe"},
                                                 {Qt::Key_QuoteLeft, "grave"},
                                                 {Qt::Key_Backslash, "backslash"},
                                                 {Qt::Key_Comma, "comma"},
                                                 {Qt::Key_Period, "period"},
                                                 {Qt::Key_Slash, "slash"}};
    for (const auto& [qtKey, name] : names) {
        if (qtKey == key) {
            return name;
        }
    }
    return {};
}

std::uint64_t modifierFlagsFromQt(unsigned qtModifiers) {
    std::uint64_t flags = 0;
    if (qtModifiers & Qt::ShiftModifier) {
        flags |= ModifierFlag::shift;
    }
    if (qtModifiers & Qt::ControlModifier) {
        flags |= ModifierFlag::control;
    }
    if (qtModifiers & Qt::AltModifier) {
        flags |= ModifierFlag::option;
    }
    if (qtModifiers & Qt::MetaModifier) {
        flags |= ModifierFlag::command;
    }
    return flags;
}

std::uint64_t keyFlags(std::uint16_t keyCode) {
    switch (keyCode) {
        case KeyCode::leftArrow:
        case KeyCode::rightArrow:
        case KeyCode::downArrow:
        case KeyCode::upArrow:
            return ModifierFlag::function | ModifierFlag::numericPad;
        case KeyCode::help:
        case KeyCode::home:
        case KeyCode::pageUp:
        case KeyCode::forwardDelete:
        case KeyCode::end:
        case KeyCode::pageDown:
            return ModifierFlag::function;
        default:
            return std::find(functionKeys.begin(), functionKeys.end(), keyCode) !=
                           functionKeys.end()
                       ? ModifierFlag::function
                       : 0;
    }
}

}  // namespace swivlo::keys
