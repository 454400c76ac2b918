// The project tree and the selection handler through which every change of
// selection goes.

#include "app/clockpanel.h"
#include "app/coordinategroup.h"
#include "app/icons.h"
#include "app/layoutview.h"
#include "app/mainwindow.h"
#include "app/playbackgroup.h"
#include "app/programpage.h"
#include "app/programrules.h"
#include "app/textpanel.h"
#include "project/zonefiles.h"

#include <QAction>
#include <QButtonGroup>
#include <QFileInfo>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace dotsign {

namespace {

constexpr int kImageRole = Qt::UserRole + 1;

bool isProgramNode(const QTreeWidgetItem* node)
{
    return node->parent() && !node->parent()->parent();
}

bool isZoneNode(const QTreeWidgetItem* node)
{
    return node->parent() && node->parent()->parent();
}

// The screen index, program number or zone number the node stands for.
int nodeNumber(const QTreeWidgetItem* node)
{
    return node->data(0, kNodeNumberRole).toInt();
}

} // namespace

void TMAINForm::setNodeImage(QTreeWidgetItem* node, int image)
{
    node->setIcon(0, nodeIcon(image));
    node->setData(0, kImageRole, image);
}

QTreeWidgetItem* TMAINForm::rootNode() const
{
    return m_tree->topLevelItemCount() > 0 ? m_tree->topLevelItem(0) : nullptr;
}

QTreeWidgetItem* TMAINForm::addProgramNode(int n)
{
    auto* node = new QTreeWidgetItem(rootNode(), {programNodeLabel(n)});
    node->setData(0, kNodeNumberRole, n);
    setNodeImage(node, ImageProgram);
    rootNode()->setExpanded(true);
    return node;
}

// Adds the zone nodes of program n under its node and returns the last one.
QTreeWidgetItem* TMAINForm::addZoneNodes(QTreeWidgetItem* programNode, int n)
{
    const TjiemuProp& p = m_state.program(n);
    if (p.layoutTemplate < 1)
        return nullptr;
    const int count = zoneCountForTemplate(p.layoutTemplate);
    QTreeWidgetItem* last = nullptr;
    for (int z = 1; z <= count; ++z) {
        last = new QTreeWidgetItem(programNode, {zoneLabel(z, count)});
        last->setData(0, kNodeNumberRole, z);
        setNodeImage(last, p.zone(z).zoneType);
        m_state.currentZone = z;
    }
    programNode->setExpanded(true);
    return last;
}

void TMAINForm::buildTree()
{
    if (!rootNode())
        return;
    for (int n = 1; n <= m_state.cur().programCount; ++n) {
        QTreeWidgetItem* node = addProgramNode(n);
        m_state.currentProgram = n;
        m_state.currentTemplate = m_state.program(n).layoutTemplate;
        if (QTreeWidgetItem* last = addZoneNodes(node, n))
            m_tree->setCurrentItem(last);
    }
}

void TMAINForm::find_jiemu()
{
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if (isProgramNode(*it) && nodeNumber(*it) == m_state.currentProgram) {
            m_tree->setCurrentItem(*it);
            return;
        }
    }
}

void TMAINForm::find_fenqu(int zone)
{
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        QTreeWidgetItem* node = *it;
        if (isZoneNode(node) && nodeNumber(node->parent()) == m_state.currentProgram &&
            nodeNumber(node) == zone) {
            m_tree->setCurrentItem(node);
            if (zone >= 1 && zone <= kZoneSlots)
                setNodeImage(node, m_state.program(m_state.currentProgram).zone(zone).zoneType);
            return;
        }
    }
}

void TMAINForm::OBJECT_TREEMouseDown(QObject* sender)
{
    m_state.clockChangeGuard = 200;
    m_state.memoChangeArmed = 0;
    moveViewsToOrigin();
    setDeleteEnabled(false);
    QTreeWidgetItem* node = m_tree->currentItem();
    if (m_tree->topLevelItemCount() == 0 || !node)
        return;
    if (!node->parent()) {
        Loadtoscreen(0);
        Open();
        m_state.memoChangeArmed = 200;
        return;
    }
    if (isProgramNode(node)) {
        selectProgramNode(node, sender);
    } else {
        selectZoneNode(node, node->parent());
        Open();
    }
    m_tree->setFocus();
    const int type = m_state.currentZoneRecord().zoneType;
    if (type == ZoneClock)
        m_clockPanel->szcl();
    m_state.clockChangeGuard = 0;
    showEditorForZone(type);
    m_state.memoChangeArmed = 200;
}

void TMAINForm::selectProgramNode(QTreeWidgetItem* node, QObject* sender)
{
    if (sender == m_tree)
        m_pages->setCurrentWidget(m_programPage);
    m_programPage->setScheduleCaption(tr("%1属性信息").arg(node->text(0)));
    const int n = nodeNumber(node);
    if (n < 1 || n > m_state.cur().programCount)
        return;
    m_state.currentScreen = nodeNumber(node->parent());
    m_state.currentProgram = n;
    Loadtoscreen(1);
    previewProgramZones();
    setDeleteEnabled(true);
    m_programPage->setScheduleVisible(true);
    showpanel(0);
    showpanel(m_state.currentTemplate);
}

// Renders every zone of the current program and shows it in the layout view;
// the last zone stays current.
void TMAINForm::previewProgramZones()
{
    const TjiemuProp& p = m_state.program(m_state.currentProgram);
    for (int z = 1; z <= p.zoneCount && z <= kZoneSlots; ++z) {
        m_state.currentZone = z;
        const ZoneRecord& zone = p.zone(z);
        if (zone.zoneFile.isEmpty())
            continue;
        CurrentZoneFile = fileNamePart(zone.zoneFile);
        const bool exists = QFileInfo::exists(projectFolder(m_state) + CurrentZoneFile);
        if (zone.zoneType == ZoneClock) {
            renderCurrentZone();
        } else if (zone.zoneType == ZoneText && exists) {
            m_textPanel->setText(CurrentZoneFile.endsWith(QStringLiteral(".txt")) ? zone.zoneText
                                                                                  : QString());
            yuelan();
        } else if (zone.zoneType == ZoneDocument && exists) {
            yuelanrtf();
        }
        loadThumbnail(z);
    }
}

void TMAINForm::selectZoneNode(QTreeWidgetItem* node, QTreeWidgetItem* programNode)
{
    m_pages->setCurrentWidget(m_zonePage);
    //: The playback group's title: a program's tree label, then its zone's, e.g. "节目1分区2*".
    m_playback->setTitle(tr("%1%2").arg(programNode->text(0), node->text(0)));
    const int n = nodeNumber(programNode);
    const int z = nodeNumber(node);
    if (n < 1 || n > m_state.cur().programCount || z < 1 || z > kZoneSlots)
        return;
    m_state.currentScreen = nodeNumber(programNode->parent());
    m_state.currentProgram = n;
    m_state.currentZone = z;
    const ZoneRecord& zone = m_state.currentZoneRecord();
    m_state.currentTemplate = m_state.program(n).layoutTemplate;
    setNodeImage(node, zone.zoneType);
    Loadtoscreen(2);
    showpanel(0);
    showpanel(m_state.currentTemplate);
    showEditorForZone(zone.zoneType);
    if (zone.zoneType == ZoneClock)
        renderCurrentZone();
    colourZonePanels(2);
    GeometryLoading = true;
    m_coordinates->setValues(zone.zoneX, zone.zoneY, zone.zoneHeight, zone.zoneWidth);
    GeometryLoading = false;
}

void TMAINForm::showEditorForZone(int type)
{
    switch (type) {
    case ZoneClock:
        m_editors->setCurrentWidget(m_clockPanel);
        break;
    case ZoneDocument:
        m_editors->setCurrentWidget(m_docPanel);
        break;
    default:
        m_editors->setCurrentWidget(m_textPanel);
        break;
    }
}

void TMAINForm::OBJECT_TREEDblClick()
{
    if (m_state.currentZoneRecord().zoneType == ZoneDocument)
        BitBtn1Click();
}

void TMAINForm::zoneImagePressed(int zone)
{
    if (m_state.cur().programCount < 1)
        return;
    if (m_state.program(m_state.currentProgram).layoutTemplate == 1) {
        m1_bmpMouseDown();
        return;
    }
    m_state.currentZone = zone;
    find_fenqu(zone);
    OBJECT_TREEMouseDown(this);
}

} // namespace dotsign
