#include "settings/AboutView.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QSysInfo>
#include <QVBoxLayout>
#include <functional>

#include "platform/Application.h"
#include "platform/BundleInfo.h"
#include "settings/Acknowledgements.h"
#include "settings/SettingsStyle.h"
#include "ui/Appearance.h"

namespace swivlo {

using namespace settings;

namespace {

QString infoText(const char* key, const QString& fallback) {
    const auto value = bundleInfo().infoValue(key);
    if (!value || value->metaType().id() != QMetaType::QString) {
        return fallback;
    }
    return value->toString();
}

class AppIcon : public QWidget {
public:
    explicit AppIcon(QWidget* parent) : QWidget(parent) { setFixedSize(80, 80); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QSvgRenderer(QStringLiteral(":/settings/setting-app-icon.svg")).render(&painter, rect());
    }
};

// A link styled like the host's: accent colour; `activate` runs when it is followed.
QLabel* link(const QString& title, const QString& target, QWidget* parent,
             const std::function<void(const QString&)>& activate) {
    auto* label = textLabel(title, settings::font(TextStyle::body), accentColor(), parent);
    label->setCursor(Qt::PointingHandCursor);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<a href=\"%1\" style=\"color:%2; text-decoration:none\">%3</a>")
                       .arg(target, accentColor().name(), title.toHtmlEscaped()));
    label->setAccessibleName(title);
    QObject::connect(label, &QLabel::linkActivated, label, activate);
    return label;
}

// A link that opens through the host's URL handlers.
QLabel* link(const QString& title, const char* url, QWidget* parent) {
    return link(title, QString::fromUtf8(url), parent,
                [](const QString& target) { workspace().openURL(target.toStdString()); });
}

}  // namespace

QString aboutVersionLine() {
    return localized("Version %1 (%2)")
        .arg(infoText("CFBundleShortVersionString", QStringLiteral("1.0")),
             infoText("CFBundleVersion", QStringLiteral("1")));
}

QString aboutDescription(const QString& kernelType) {
    if (kernelType == u"darwin") {
        return localized("A macOS menu bar utility for quick system toggles.");
    }
    if (kernelType == u"linux") {
        return localized("A Linux tray utility for quick system toggles.");
    }
    return localized("A tray utility for quick system toggles.");
}

CheckForUpdatesView::CheckForUpdatesView(Updater& updater, QWidget* parent)
    : QPushButton(localized("Check for Updates"), parent), updater_(updater) {
    setFont(settings::font(TextStyle::callout));
    follow(updater.canCheckForUpdates());
    connect(&updater, &Updater::canCheckForUpdatesChanged, this, &CheckForUpdatesView::follow);
    connect(this, &QPushButton::clicked, &updater, [&updater] { updater.checkForUpdates(); });
}

void CheckForUpdatesView::follow(bool canCheck) {
    setEnabled(canCheck);
    const QString reason = canCheck ? QString() : updater_.unavailableReason();
    setToolTip(reason);
    setAccessibleDescription(reason);
    if (reason != disabledReason_) {
        disabledReason_ = reason;
        emit disabledReasonChanged(reason);
    }
}

AboutView::AboutView(std::unique_ptr<Updater> updaterController, QWidget* parent)
    : QWidget(parent), updater_(std::move(updaterController)) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(60, 60, 60, 60);
    outer->setSpacing(32);
    outer->addStretch(1);

    auto* icon = new AppIcon(this);
    outer->addWidget(icon, 0, Qt::AlignHCenter);

    auto* nameStack = new QVBoxLayout;
    nameStack->setSpacing(12);
    auto* name =
        textLabel(localized("Swivlo"), Appearance::font(24, QFont::Bold), labelColor(), this);
    nameStack->addWidget(name, 0, Qt::AlignHCenter);
    auto* version =
        textLabel(aboutVersionLine(), settings::font(TextStyle::body), secondaryLabelColor(), this);
    version->setObjectName(QStringLiteral("versionLine"));
    nameStack->addWidget(version, 0, Qt::AlignHCenter);
    button_ = new CheckForUpdatesView(*updater_, this);
    nameStack->addWidget(button_, 0, Qt::AlignHCenter);
    // A button that stays disabled says why in plain sight, not only on hover.
    auto* unavailable = textLabel(button_->disabledReason(), settings::font(TextStyle::caption),
                                  secondaryLabelColor(), this);
    unavailable->setObjectName(QStringLiteral("updateUnavailable"));
    unavailable->setTextFormat(Qt::PlainText);
    unavailable->setAlignment(Qt::AlignHCenter);
    unavailable->setWordWrap(true);
    unavailable->setVisible(!button_->disabledReason().isEmpty());
    connect(button_, &CheckForUpdatesView::disabledReasonChanged, unavailable,
            [unavailable](const QString& reason) {
                unavailable->setText(reason);
                unavailable->setVisible(!reason.isEmpty());
            });
    nameStack->addWidget(unavailable);
    outer->addLayout(nameStack);

    auto* dividerRow = new QHBoxLayout;
    dividerRow->setContentsMargins(80, 0, 80, 0);
    dividerRow->addWidget(separatorLine(this));
    outer->addLayout(dividerRow);

    auto* descriptionStack = new QVBoxLayout;
    descriptionStack->setSpacing(16);
    auto* description = textLabel(aboutDescription(QSysInfo::kernelType()),
                                  settings::font(TextStyle::body), secondaryLabelColor(), this);
    description->setObjectName(QStringLiteral("description"));
    description->setAlignment(Qt::AlignHCenter);
    description->setWordWrap(true);
    descriptionStack->addWidget(description);
    auto* links = new QHBoxLayout;
    links->setSpacing(24);
    links->addStretch(1);
    links->addWidget(link(localized("Website"), websiteURL, this));
    links->addWidget(link(localized("Support"), supportURL, this));
    links->addWidget(link(localized("Acknowledgements"), QStringLiteral("#acknowledgements"), this,
                          [this](const QString&) { showAcknowledgements(); }));
    links->addStretch(1);
    descriptionStack->addLayout(links);
    outer->addLayout(descriptionStack);

    auto* credit =
        textLabel(localized("Made with care for a tidy desktop. Symbols by Phosphor Icons."),
                  settings::font(TextStyle::caption), secondaryLabelColor(), this);
    credit->setAlignment(Qt::AlignHCenter);
    outer->addWidget(credit);
    outer->addStretch(1);
}

AboutView::~AboutView() = default;

void AboutView::showAcknowledgements() {
    if (!acknowledgements_) {
        acknowledgements_ = new AcknowledgementsDialog(this);
        acknowledgements_->setAttribute(Qt::WA_DeleteOnClose);
    }
    acknowledgements_->show();
    acknowledgements_->raise();
    acknowledgements_->activateWindow();
}

}  // namespace swivlo
