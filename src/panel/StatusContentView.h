#pragma once

#include <QWidget>
#include <vector>

#include "panel/StatusContent.h"

class QScrollArea;
class QVBoxLayout;

namespace swivlo {

class HoverableRowView;
class PanelFooter;
class PermissionAlertView;

// The menu bar panel: draws a StatusContent (switch card, scene section, footer, permission
// alert) and forwards the user's input to it. Rows are rebuilt when the scenes or the
// appearance change, and re-read their state whenever the content changes. The rows scroll
// when the panel is given less height than they need; the footer always shows.
class StatusContentView : public QWidget {
    Q_OBJECT

public:
    static constexpr int panelWidth = 300;

    explicit StatusContentView(SceneManager& sceneManager, StatusContent::Openers openers,
                               QWidget* parent = nullptr);

    StatusContent& content() { return content_; }
    const std::vector<HoverableRowView*>& rowViews() const { return rowViews_; }
    PermissionAlertView* permissionAlert() const { return alert_; }

    // All the rows and the footer; while the alert shows, at least the alert's height.
    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void rebuildRows();
    void contentChanged();

    StatusContent content_;
    QScrollArea* scroll_;
    QVBoxLayout* area_;
    PanelFooter* footer_ = nullptr;
    QWidget* rowsHolder_ = nullptr;
    std::vector<HoverableRowView*> rowViews_;
    PermissionAlertView* alert_;
    bool statesLoaded_ = false;
};

}  // namespace swivlo
