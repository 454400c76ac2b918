#include "editor/findreplacedialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace dotsign {

int replaceAllInDocument(QTextDocument* doc, const QString& text, const QString& replacement,
                         QTextDocument::FindFlags flags)
{
    if (text.isEmpty())
        return 0;
    int count = 0;
    QTextCursor edit(doc);
    edit.beginEditBlock();
    QTextCursor found = doc->find(text, 0, flags);
    while (!found.isNull()) {
        found.insertText(replacement);
        ++count;
        found = doc->find(text, found.position(), flags);
    }
    edit.endEditBlock();
    return count;
}

FindReplaceDialog::FindReplaceDialog(QTextEdit* editor, QWidget* parent) : QDialog(parent), m_editor(editor)
{
    setWindowTitle(tr("查找和替换"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_find = new QLineEdit(this);
    m_replace = new QLineEdit(this);
    form->addRow(tr("查找内容(&N):"), m_find);
    form->addRow(tr("替换为(&P):"), m_replace);
    layout->addLayout(form);
    m_caseSensitive = new QCheckBox(tr("区分大小写(&C)"), this);
    m_wholeWords = new QCheckBox(tr("全字匹配(&W)"), this);
    layout->addWidget(m_caseSensitive);
    layout->addWidget(m_wholeWords);
    m_result = new QLabel(this);
    layout->addWidget(m_result);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* next = buttons->addButton(tr("查找下一个(&F)"), QDialogButtonBox::ActionRole);
    QPushButton* replace = buttons->addButton(tr("替换(&R)"), QDialogButtonBox::ActionRole);
    QPushButton* all = buttons->addButton(tr("全部替换(&A)"), QDialogButtonBox::ActionRole);
    buttons->addButton(tr("关闭"), QDialogButtonBox::RejectRole);
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, &FindReplaceDialog::findNext);
    connect(replace, &QPushButton::clicked, this, &FindReplaceDialog::replaceCurrent);
    connect(all, &QPushButton::clicked, this, &FindReplaceDialog::replaceAll);
    connect(buttons, &QDialogButtonBox::rejected, this, &FindReplaceDialog::hide);
    layout->addWidget(buttons);
}

void FindReplaceDialog::setFindText(const QString& text)
{
    m_find->setText(text);
}

void FindReplaceDialog::setReplaceText(const QString& text)
{
    m_replace->setText(text);
}

QString FindReplaceDialog::resultText() const
{
    return m_result->text();
}

QTextDocument::FindFlags FindReplaceDialog::flags() const
{
    QTextDocument::FindFlags flags;
    if (m_caseSensitive->isChecked())
        flags |= QTextDocument::FindCaseSensitively;
    if (m_wholeWords->isChecked())
        flags |= QTextDocument::FindWholeWords;
    return flags;
}

bool FindReplaceDialog::findNext()
{
    const QString text = m_find->text();
    if (text.isEmpty())
        return false;
    QTextDocument* doc = m_editor->document();
    QTextCursor found = doc->find(text, m_editor->textCursor(), flags());
    if (found.isNull())
        found = doc->find(text, 0, flags());
    if (found.isNull()) {
        m_result->setText(tr("找不到“%1”。").arg(text));
        return false;
    }
    m_editor->setTextCursor(found);
    m_result->clear();
    return true;
}

bool FindReplaceDialog::selectionMatches() const
{
    const QString selected = m_editor->textCursor().selectedText();
    const Qt::CaseSensitivity cs = m_caseSensitive->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    return !selected.isEmpty() && selected.compare(m_find->text(), cs) == 0;
}

bool FindReplaceDialog::replaceCurrent()
{
    if (selectionMatches()) {
        QTextCursor cursor = m_editor->textCursor();
        cursor.insertText(m_replace->text());
        m_editor->setTextCursor(cursor);
    }
    return findNext();
}

int FindReplaceDialog::replaceAll()
{
    const int count = replaceAllInDocument(m_editor->document(), m_find->text(), m_replace->text(), flags());
    m_result->setText(tr("已替换 %1 处。").arg(count));
    return count;
}

} // namespace dotsign
