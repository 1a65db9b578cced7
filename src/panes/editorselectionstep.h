// The selection before and after an edit of the editor's commands, kept with the edit in the document's undo
// history, so that undo gives back the selection of before and redo the one after.
#pragma once

#include <QAbstractUndoItem>
#include <QPointer>

class DoubleClickTextView;

class EditorSelectionStep : public QAbstractUndoItem
{
public:
    struct Selection
    {
        qsizetype anchor = 0;
        qsizetype position = 0;
    };

    EditorSelectionStep(DoubleClickTextView &view, Selection before, Selection after);

    void undo() override;
    void redo() override;

private:
    QPointer<DoubleClickTextView> m_view;
    Selection m_before;
    Selection m_after;
};
