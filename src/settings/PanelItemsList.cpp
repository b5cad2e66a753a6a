#include "settings/PanelItemsList.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/Localized.h"
#include "settings/GeneralSettings.h"
#include "settings/SettingsStyle.h"
#include "settings/SwitchRow.h"
#include "ui/Appearance.h"
#include "ui/SwitchControl.h"

namespace swivlo::settings {

PanelItemsList::PanelItemsList(GeneralSettings& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    setAcceptDrops(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

void PanelItemsList::rebuild() {
    QLayout* layout = this->layout();
    while (QLayoutItem* item = layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const auto& items = model_.orderedSwitches();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string id = items[i].id;
        const QString title = localized(QString::fromStdString(items[i].title));
        auto* row = new SwitchRow(
            title, model_.isShown(id), [this, id](bool) { model_.toggleVisibility(id); }, this);
        row->setObjectName(QString::fromStdString(id));
        if (!items[i].unavailableReason.isEmpty()) {
            row->setUnavailable(items[i].unavailableReason);
        }
        // The handle is only a cue: the whole row drags.
        auto* handle = new SymbolView(QStringLiteral("line.3.horizontal"), 14,
                                      Appearance::withOpacity(secondaryLabelColor(), 0.4), row);
        handle->setFrameWidth(20);
        row->setLeadingWidget(handle);
        row->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        row->setFixedHeight(rowHeight);
        layout->addWidget(row);
    }
    setFixedHeight(static_cast<int>(items.size()) * rowHeight);
}

void PanelItemsList::showStoredVisibility() {
    for (auto* row : findChildren<SwitchRow*>(Qt::FindDirectChildrenOnly)) {
        const QSignalBlocker blocker(row->switchControl());
        row->switchControl()->setChecked(model_.isShown(row->objectName().toStdString()));
    }
}

int PanelItemsList::rowAt(int y) const {
    const int count = static_cast<int>(model_.orderedSwitches().size());
    return std::clamp(y / rowHeight, 0, std::max(0, count - 1));
}

int PanelItemsList::destinationFor(int y) const {
    const int count = static_cast<int>(model_.orderedSwitches().size());
    return std::clamp((y + rowHeight / 2) / rowHeight, 0, count);
}

void PanelItemsList::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressPoint_ = event->position().toPoint();
        pressedRow_ = rowAt(pressPoint_->y());
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void PanelItemsList::mouseMoveEvent(QMouseEvent* event) {
    if (!pressPoint_ || !(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - *pressPoint_).manhattanLength() <
            QApplication::startDragDistance()) {
        return;
    }
    pressPoint_.reset();
    auto* mime = new QMimeData;
    mime->setData(mimeType, QByteArray::number(pressedRow_));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    if (QLayoutItem* item = layout()->itemAt(pressedRow_); item && item->widget()) {
        QWidget* row = item->widget();
        drag->setPixmap(row->grab());
        drag->setHotSpot(event->position().toPoint() - row->pos());
    }
    drag->exec(Qt::MoveAction);
}

void PanelItemsList::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(mimeType) && event->source() == this) {
        event->acceptProposedAction();
    }
}

void PanelItemsList::dragMoveEvent(QDragMoveEvent* event) {
    if (!event->mimeData()->hasFormat(mimeType)) {
        return;
    }
    indicator_ = destinationFor(event->position().toPoint().y());
    event->acceptProposedAction();
    update();
}

void PanelItemsList::dragLeaveEvent(QDragLeaveEvent*) {
    indicator_.reset();
    update();
}

void PanelItemsList::dropEvent(QDropEvent* event) {
    indicator_.reset();
    bool ok = false;
    const int source = event->mimeData()->data(mimeType).toInt(&ok);
    if (!ok) {
        return;
    }
    event->acceptProposedAction();
    model_.moveSwitches({source}, destinationFor(event->position().toPoint().y()));
    rebuild();
}

void PanelItemsList::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Separators under every row but the last, starting where the title does.
    const int count = static_cast<int>(model_.orderedSwitches().size());
    painter.setPen(QPen(separatorColor(), 1));
    for (int i = 1; i < count; ++i) {
        painter.drawLine(QPointF(28, i * rowHeight - 0.5), QPointF(width(), i * rowHeight - 0.5));
    }
    if (!indicator_) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const int y = std::clamp(*indicator_ * rowHeight, 1, height() - 2);
    painter.setPen(QPen(accentColor(), 2));
    painter.drawLine(QPointF(0, y), QPointF(width(), y));
}

}  // namespace swivlo::settings
