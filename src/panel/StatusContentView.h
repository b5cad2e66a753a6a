#pragma once

#include <QWidget>
#include <vector>

#include "panel/StatusContent.h"

class QVBoxLayout;

namespace swivlo {

class HoverableRowView;
class PermissionAlertView;

// The menu bar panel: draws a StatusContent (switch card, scene section, footer, permission
// alert) and forwards the user's input to it. Rows are rebuilt when the scenes or the
// appearance change, and re-read their state whenever the content changes.
class StatusContentView : public QWidget {
    Q_OBJECT

public:
    static constexpr int panelWidth = 300;

    explicit StatusContentView(SceneManager& sceneManager,
                               StatusContent::Openers openers = StatusContent::defaultOpeners(),
                               QWidget* parent = nullptr);

    StatusContent& content() { return content_; }
    const std::vector<HoverableRowView*>& rowViews() const { return rowViews_; }
    PermissionAlertView* permissionAlert() const { return alert_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void rebuildRows();
    void contentChanged();

    StatusContent content_;
    QVBoxLayout* area_;
    QWidget* rowsHolder_ = nullptr;
    std::vector<HoverableRowView*> rowViews_;
    PermissionAlertView* alert_;
    bool statesLoaded_ = false;
};

}  // namespace swivlo
