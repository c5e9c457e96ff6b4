#include "shell/dialogs/ReadOnlyRowList.h"

#include <QHeaderView>
#include <QTableWidget>

namespace corva::shell {

void MakeReadOnlyRowList(QTableWidget* table) {
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
}

}  // namespace corva::shell
