#include "settings/AboutView.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "panel/Appearance.h"
#include "platform/Application.h"
#include "platform/BundleInfo.h"
#include "settings/SettingsStyle.h"

namespace swivlo {

using namespace settings;

namespace {

QString infoText(const char* key, const QString& fallback) {
    if (!Service<BundleInfo>::installed()) {
        return fallback;
    }
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

// A link styled like the host's: accent colour, opens through the host's URL handlers.
QLabel* link(const QString& title, const char* url, QWidget* parent) {
    auto* label = textLabel(title, settings::font(TextStyle::body), accentColor(), parent);
    label->setCursor(Qt::PointingHandCursor);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<a href=\"%1\" style=\"color:%2; text-decoration:none\">%3</a>")
                       .arg(QString::fromUtf8(url), accentColor().name(), title.toHtmlEscaped()));
    label->setAccessibleName(title);
    QObject::connect(label, &QLabel::linkActivated, label,
                     [](const QString& target) { workspace().openURL(target.toStdString()); });
    return label;
}

}  // namespace

QString aboutVersionLine() {
    return localized("Version %1 (%2)")
        .arg(infoText("CFBundleShortVersionString", QStringLiteral("1.0")),
             infoText("CFBundleVersion", QStringLiteral("1")));
}

CheckForUpdatesView::CheckForUpdatesView(Updater& updater, CheckForUpdatesViewModel* viewModel,
                                         QWidget* parent)
    : QPushButton(localized("Check for Updates"), parent) {
    viewModel->setParent(this);
    setFont(settings::font(TextStyle::callout));
    setEnabled(viewModel->canCheckForUpdates());
    connect(viewModel, &CheckForUpdatesViewModel::changed, this, &QWidget::setEnabled);
    connect(this, &QPushButton::clicked, &updater, [&updater] { updater.checkForUpdates(); });
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
    button_ = new CheckForUpdatesView(*updater_, new CheckForUpdatesViewModel(*updater_), this);
    nameStack->addWidget(button_, 0, Qt::AlignHCenter);
    outer->addLayout(nameStack);

    auto* dividerRow = new QHBoxLayout;
    dividerRow->setContentsMargins(80, 0, 80, 0);
    dividerRow->addWidget(separatorLine(this));
    outer->addLayout(dividerRow);

    auto* descriptionStack = new QVBoxLayout;
    descriptionStack->setSpacing(16);
    auto* description = textLabel(localized("A macOS menu bar utility for quick system toggles."),
                                  settings::font(TextStyle::body), secondaryLabelColor(), this);
    description->setAlignment(Qt::AlignHCenter);
    description->setWordWrap(true);
    descriptionStack->addWidget(description);
    auto* links = new QHBoxLayout;
    links->setSpacing(24);
    links->addStretch(1);
    links->addWidget(link(localized("Website"), websiteURL, this));
    links->addWidget(link(localized("Support"), supportURL, this));
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

}  // namespace swivlo
