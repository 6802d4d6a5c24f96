// Strokewheel - mouse gestures for CAD drawing views.
// The printed gesture list: a table model turned into a rich-text table.
#pragma once

class QAbstractItemModel;
class QTextDocument;

// A new document (owned by the caller) holding the model's root table with a header
// row; it reads the model only through the standard model interface.
QTextDocument *buildPrintDocument(QAbstractItemModel *model);
