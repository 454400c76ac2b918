#pragma once
// "查找和替换": a tool window beside the editor that finds text in the
// document and replaces it. Results show in the window itself, never in a
// message box, so the operator can keep typing in the editor.

#include <QDialog>
#include <QTextDocument>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTextEdit;

namespace dotsign {

// Replaces every occurrence of `text` in `doc` in one undo step; returns the count.
int replaceAllInDocument(QTextDocument* doc, const QString& text, const QString& replacement,
                         QTextDocument::FindFlags flags);

class FindReplaceDialog : public QDialog
{
    Q_OBJECT
public:
    FindReplaceDialog(QTextEdit* editor, QWidget* parent);

    void setFindText(const QString& text);
    void setReplaceText(const QString& text);
    // Selects the next occurrence after the caret, wrapping once to the start.
    bool findNext();
    // Replaces the selected occurrence and finds the next.
    bool replaceCurrent();
    int replaceAll();
    QString resultText() const;

private:
    QTextDocument::FindFlags flags() const;
    bool selectionMatches() const;

    QTextEdit* m_editor = nullptr;
    QLineEdit* m_find = nullptr;
    QLineEdit* m_replace = nullptr;
    QCheckBox* m_caseSensitive = nullptr;
    QCheckBox* m_wholeWords = nullptr;
    QLabel* m_result = nullptr;
};

} // namespace dotsign
