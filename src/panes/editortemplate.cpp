#include "editortemplate.h"

#include "chord.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

const QString commentTemplate = QStringLiteral("{c:X}\n");
const QString chordTemplate = QStringLiteral("[X]");
const QString defaultGrid = QStringLiteral("{sog}\n|| . . . . | . . . . |\n| . . . . | . . . . ||\n{eog}\n");
const QString emptyGrids[] = {QStringLiteral("{sog}\n\n{eog}\n"), QStringLiteral("{sog}\n\n\n{eog}\n")};

// A selected bracketed label becomes the comment's text without its brackets.
QString unwrappedLabel(const QString &selection)
{
    const QString trimmed = selection.trimmed();
    if (selection.size() < 3 || !selection.startsWith(u'[') || !trimmed.endsWith(u']'))
        return selection;
    return trimmed.mid(1, trimmed.size() - 2);
}

} // namespace

EditorTemplate::Result EditorTemplate::fill(const Input &input)
{
    QString templateText = input.templateText;
    QString selection = input.selection;
    Result result;
    const qsizetype x = templateText.indexOf(u'X');
    result.caret = x < 0 ? templateText.size() : x;
    if (templateText == commentTemplate)
        selection = unwrappedLabel(selection);
    if (templateText.startsWith(QStringLiteral("{sog")))
        selection = fixChordGrid(selection);
    // The template's last line feed merges into the one already there.
    if (templateText.endsWith(u'\n') && input.next == u'\n')
        templateText.chop(1);

    if (templateText == chordTemplate && selection.contains(u' '))
        result.text = applyToWords(selection, templateText);
    else if (templateText.startsWith(QStringLiteral("{sot}")) && selection.isEmpty())
        result.text = QString(templateText).replace(u'X', defaultTab(input.stringTones));
    else
        result.text = QString(templateText).replace(u'X', selection);

    if (!selection.isEmpty())
        result.caret = result.text.size();
    if (selection.size() < 2 &&
        std::find(std::begin(emptyGrids), std::end(emptyGrids), result.text) != std::end(emptyGrids))
        result.text = defaultGrid;
    // Only the image template asks for a file: any other text that mentions an image is inserted as it is.
    result.chooseImage = input.templateText.startsWith(QStringLiteral("{image"));
    return result;
}

QString EditorTemplate::applyToWords(const QString &words, const QString &templateText)
{
    QString text;
    for (const QString &word : words.split(u' ')) {
        if (!word.isEmpty())
            text += QString(templateText).replace(u'X', word);
        text += u' ';
    }
    return text;
}

QString EditorTemplate::fixChordGrid(const QString &grid)
{
    static const QRegularExpression barBeforeCapital(QStringLiteral(R"(\|([A-Z]))"));
    static const QRegularExpression barAfterLetter(QStringLiteral(R"(([A-Za-z0-9])\|)"));
    QString fixed = grid;
    fixed.replace(barBeforeCapital, QStringLiteral("| \\1"));
    fixed.replace(barAfterLetter, QStringLiteral("\\1 |"));
    return fixed;
}

QString EditorTemplate::defaultTab(const QList<int> &stringTones)
{
    QString tab;
    for (const int tone : stringTones)
        tab.prepend(Chord::chordForTone(tone) + u'|' + QString(31, u'-') + u'\n');
    return tab;
}
