#pragma once

#include <QAbstractListModel>

#include <optional>
#include <vector>

#include "SymbolPicker/SymbolVisibility.h"

namespace swivlo {

// The picker's grid as a list model: the visible catalogue entries, in catalogue order, and
// which of them is the current choice. Views build cells only for the rows they show.
class SymbolGridModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role { SelectedRole = Qt::UserRole + 1 };

    SymbolGridModel(SymbolList catalogue, std::vector<SymbolCategory> categories,
                    QObject* parent = nullptr);

    // Applies the visible-symbol rule over the whole catalogue again.
    void setSearchText(const QString& searchText);
    void setSelectedName(const std::optional<QString>& name);

    QString nameAt(int row) const;
    // The row of `name`, or -1 when it is not visible.
    int rowOf(const QString& name) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    SymbolList catalogue_;  // keeps the entries the rows point at alive
    std::vector<SymbolCategory> categories_;
    std::vector<const Symbol*> visible_;
    std::optional<QString> selected_;
};

}  // namespace swivlo
