#include "SymbolPicker/SymbolGridModel.h"

#include <QTextDocument>

namespace swivlo {

SymbolGridModel::SymbolGridModel(SymbolList catalogue, std::vector<SymbolCategory> categories,
                                 QObject* parent)
    : QAbstractListModel(parent),
      catalogue_(std::move(catalogue)),
      categories_(std::move(categories)) {
    setSearchText(QString());
}

void SymbolGridModel::setSearchText(const QString& searchText) {
    const SymbolVisibility visibility(categories_, searchText);
    std::vector<const Symbol*> visible;
    visible.reserve(catalogue_.size());
    for (const SymbolPtr& symbol : catalogue_) {
        if (visibility.isVisible(*symbol)) {
            visible.push_back(symbol.get());
        }
    }
    beginResetModel();
    visible_ = std::move(visible);
    endResetModel();
}

void SymbolGridModel::setSelectedName(const std::optional<QString>& name) {
    if (name == selected_) {
        return;
    }
    const int before = selected_ ? rowOf(*selected_) : -1;
    selected_ = name;
    const int after = selected_ ? rowOf(*selected_) : -1;
    for (int row : {before, after}) {
        if (row >= 0) {
            emit dataChanged(index(row), index(row), {SelectedRole});
        }
    }
}

QString SymbolGridModel::nameAt(int row) const {
    if (row < 0 || row >= rowCount()) {
        return {};
    }
    return visible_[static_cast<std::size_t>(row)]->name();
}

int SymbolGridModel::rowOf(const QString& name) const {
    for (std::size_t i = 0; i < visible_.size(); ++i) {
        if (visible_[i]->name() == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int SymbolGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(visible_.size());
}

QVariant SymbolGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const QString& name = visible_[static_cast<std::size_t>(index.row())]->name();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return name;
        case Qt::ToolTipRole:
            // A tool tip that looks like markup is shown as markup; a name is text.
            return Qt::convertFromPlainText(name, Qt::WhiteSpaceNoWrap);
        case SelectedRole:
            return selected_ && *selected_ == name;
        default:
            return {};
    }
}

QHash<int, QByteArray> SymbolGridModel::roleNames() const {
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(SelectedRole, "selected");
    return names;
}

}  // namespace swivlo
