#include "settings/FeatureBoxes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDrag>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "settings/SceneEditorModel.h"
#include "settings/SettingsStyle.h"
#include "ui/Appearance.h"
#include "ui/SwitchControl.h"

namespace swivlo {

using namespace settings;

FeatureItemRow::FeatureItemRow(const SceneFeature& feature, bool isEnabled, SceneEditorModel& model,
                               QWidget* parent)
    : QWidget(parent), feature_(feature) {
    setObjectName(QString::fromStdString(feature.id));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 10, 8, 10);
    layout->setSpacing(12);
    auto* icon =
        new SymbolView(QString::fromStdString(feature.icon), 16, secondaryLabelColor(), this);
    icon->setFrameWidth(28);
    layout->addWidget(icon);
    layout->addWidget(
        textLabel(feature.title, settings::font(TextStyle::body), labelColor(), this));
    layout->addStretch(1);
    auto* hint =
        textLabel(isEnabled ? localized("Drag down to disable") : localized("Drag up to enable"),
                  settings::font(TextStyle::caption), secondaryLabelColor(), this);
    layout->addWidget(hint);
    if (isEnabled) {
        layout->addSpacing(10 - layout->spacing());
        auto* valueSwitch = new SwitchControl(this);
        valueSwitch->setAccessibleName(feature.title);
        valueSwitch->setChecked(model.featureValue(feature.id));
        connect(valueSwitch, &QAbstractButton::toggled, this,
                [&model, id = feature.id](bool on) { model.setFeatureValue(id, on); });
        layout->addWidget(valueSwitch);
    }
    setCursor(Qt::OpenHandCursor);
}

void FeatureItemRow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressPoint_ = event->position().toPoint();
        event->accept();
    }
}

void FeatureItemRow::mouseMoveEvent(QMouseEvent* event) {
    if (!pressPoint_ || (event->position().toPoint() - *pressPoint_).manhattanLength() <
                            QApplication::startDragDistance()) {
        return;
    }
    pressPoint_.reset();
    auto* mime = new QMimeData;
    mime->setText(QString::fromStdString(feature_.id));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(grab());
    drag->setHotSpot(event->position().toPoint());
    drag->exec(Qt::MoveAction | Qt::CopyAction);
}

void FeatureItemRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(windowBackgroundColor());
    painter.drawRoundedRect(QRectF(rect()), 8, 8);
}

FeatureBox::FeatureBox(bool isEnabledBox, SceneEditorModel& model, QWidget* parent)
    : QWidget(parent), isEnabledBox_(isEnabledBox), model_(model), layout_(new QVBoxLayout(this)) {
    setObjectName(isEnabledBox ? QStringLiteral("EnabledBox") : QStringLiteral("DisabledBox"));
    setAcceptDrops(true);
    layout_->setContentsMargins(10, 10, 10, 10);
    layout_->setSpacing(8);
    rebuild();
}

void FeatureBox::rebuild() {
    // Old rows go later: one of them may be the source of the drag that ended here.
    while (QLayoutItem* item = layout_->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
    const auto features = isEnabledBox_ ? model_.enabledFeatures() : model_.disabledFeatures();
    if (features.empty()) {
        auto* empty =
            textLabel(isEnabledBox_ ? localized("Drag features here to enable")
                                    : localized("No disabled features"),
                      settings::font(TextStyle::subheadline), secondaryLabelColor(), this);
        empty->setAlignment(Qt::AlignCenter);
        empty->setContentsMargins(0, 16, 0, 16);
        layout_->addWidget(empty);
        return;
    }
    for (const SceneFeature& feature : features) {
        layout_->addWidget(new FeatureItemRow(feature, isEnabledBox_, model_, this));
    }
}

void FeatureBox::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasText()) {
        targeted_ = true;
        update();
        event->acceptProposedAction();
    }
}

void FeatureBox::dragLeaveEvent(QDragLeaveEvent*) {
    targeted_ = false;
    update();
}

void FeatureBox::dropEvent(QDropEvent* event) {
    targeted_ = false;
    update();
    const QMimeData* mime = event->mimeData();
    const std::optional<QString> dropped =
        mime->hasText() ? std::optional<QString>(mime->text()) : std::nullopt;
    if (model_.dropText(dropped, isEnabledBox_)) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void FeatureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(controlBackgroundColor());
    QPen pen(targeted_ ? accentColor() : separatorColor(), targeted_ ? 2 : 1);
    pen.setStyle(targeted_ ? Qt::SolidLine : Qt::DashLine);
    painter.setPen(pen);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 10, 10);
}

}  // namespace swivlo
