// Strokewheel - mouse gestures for CAD drawing views.
// The printed gesture list: a table model turned into a rich-text table.
#pragma once

#include <Qt>

class QAbstractItemModel;

// A model may give under this role the picture to print where its on-screen one suits
// only a dark screen: paper is white.
constexpr int kPaperDecorationRole = Qt::UserRole + 64;
class QTextDocument;

// A new document (owned by the caller) holding the model's root table with a header
// row; it reads the model only through the standard model interface.
QTextDocument *buildPrintDocument(QAbstractItemModel *model);
