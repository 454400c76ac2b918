// Adding and deleting programs, and changing a zone's type.

#include "app/dialogs.h"
#include "app/layoutview.h"
#include "app/mainwindow.h"
#include "app/pixelimage.h"
#include "app/programrules.h"
#include "app/templatedialog.h"
#include "app/textpanel.h"
#include "render/ledplanes.h"

#include <QDialog>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace dotsign {

int TMAINForm::songtiIndex() const
{
    return qMax(0, m_textPanel->fontIndex(QStringLiteral("宋体")));
}

void TMAINForm::addProgram()
{
    m_state.memoChangeArmed = 0;
    m_image1->setBlack(m_image1->width(), m_image1->height());
    m_state.currentZone = 1;
    if (m_state.cur().programCount >= kMaxPrograms) {
        m_dialogs.information(
            this,
            tr("对不起%1最多只能%2节目。").arg(m_state.cur().screenName, QString::number(kMaxPrograms)));
    } else if (m_dialogs.exec(*m_templateDialog) == QDialog::Accepted) {
        createProgram(m_state.programTotal + 1);
    }
    m_state.memoChangeArmed = 0;
    m_tree->setFocus();
    find_fenqu(m_state.currentZone);
    OBJECT_TREEMouseDown(this);
}

void TMAINForm::createProgram(int n)
{
    m_state.programTotal = n;
    m_state.currentProgram = n;
    m_state.cur().programCount = n;
    initNewProgram(m_state, n, m_state.currentTemplate, songtiIndex());
    m_tree->setCurrentItem(rootNode());
    hideLayoutViews();
    sizeLayoutView();
    QTreeWidgetItem* node = addProgramNode(n);
    if (QTreeWidgetItem* last = addZoneNodes(node, n))
        m_tree->setCurrentItem(last);
    m_state.currentZone = m_state.program(n).zoneCount;
    if (m_planes)
        m_planes->Clear();
    Loadtoscreen(2);
}

void TMAINForm::deleteProgram()
{
    QTreeWidgetItem* node = m_tree->currentItem();
    if (!node || !node->parent() || node->parent()->parent())
        return; // only a program node can be deleted
    const QString question = tr("请确定是否删除%1?\r\n删除则按'Yes',不则按'NO'.").arg(node->text(0));
    if (!m_dialogs.question(this, question))
        return;
    hideLayoutViews();
    delete node;
    m_state.cur().programCount -= 1;
    renumberTree();
    deleteProgramRecords(m_state.cur(), m_state.currentProgram, m_state.programTotal);
    m_state.programTotal -= 1;
    m_state.currentProgram = m_state.programTotal;
    // The panels would otherwise keep showing the deleted program while
    // their handlers write into the one now selected.
    if (m_state.programTotal < 1) {
        m_state.currentProgram = 1;
        m_tree->setCurrentItem(rootNode());
    }
    OBJECT_TREEMouseDown(m_tree);
}

// Program nodes after the deleted one move up one number; the walk leaves
// the last program node selected.
void TMAINForm::renumberTree()
{
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        QTreeWidgetItem* node = *it;
        if (!node->parent() || node->parent()->parent())
            continue; // only program nodes carry program numbers
        const int n = node->data(0, kNodeNumberRole).toInt();
        if (n < 1)
            continue;
        if (n > m_state.currentProgram) {
            node->setText(0, programNodeLabel(n - 1));
            node->setData(0, kNodeNumberRole, n - 1);
        }
        m_tree->setCurrentItem(node);
    }
}

void TMAINForm::setZoneTypeFromMenu(int type)
{
    if (m_state.cur().programCount < 1)
        return;
    dotsign::setZoneTypeFromMenu(m_state.currentZoneRecord(), type, songtiIndex());
    find_fenqu(m_state.currentZone);
    OBJECT_TREEMouseDown(this);
}

void TMAINForm::RadioGroup1Click(int index)
{
    if (m_state.memoChangeArmed <= 0 || m_state.cur().programCount < 1)
        return;
    // The zone node of the current program with the selected zone's number.
    QTreeWidgetItem* selected = m_tree->currentItem();
    const bool zoneSelected = selected && selected->parent() && selected->parent()->parent();
    const int zone = zoneSelected ? selected->data(0, kNodeNumberRole).toInt() : 0;
    setZoneTypeFromRadio(m_state, index, m_textPanel->memoText());
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        QTreeWidgetItem* node = *it;
        if (zone >= 1 && node->parent() && node->parent()->parent() &&
            node->parent()->data(0, kNodeNumberRole).toInt() == m_state.currentProgram &&
            node->data(0, kNodeNumberRole).toInt() == zone) {
            m_tree->setCurrentItem(node);
            setNodeImage(node, index);
            break;
        }
    }
    m_tree->setFocus();
    find_fenqu(m_state.currentZone);
    OBJECT_TREEMouseDown(this);
}

} // namespace dotsign
