#include "editorselectionstep.h"

#include "doubleclicktextview.h"

EditorSelectionStep::EditorSelectionStep(DoubleClickTextView &view, Selection before, Selection after)
    : m_view(&view)
    , m_before(before)
    , m_after(after)
{}

void EditorSelectionStep::undo()
{
    if (m_view)
        m_view->selectAfterHistoryStep(m_before.anchor, m_before.position);
}

void EditorSelectionStep::redo()
{
    if (m_view)
        m_view->selectAfterHistoryStep(m_after.anchor, m_after.position);
}
