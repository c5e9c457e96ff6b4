// The look and behaviour of a table the user picks one entry from: whole rows, one at a time,
// nothing editable, no row numbers.
#pragma once

class QTableWidget;

namespace corva::shell {

void MakeReadOnlyRowList(QTableWidget* table);

}  // namespace corva::shell
