// Loading the records into the panels (Loadtoscreen), the layout views and
// the zone geometry rules.

#include "app/coordinategroup.h"
#include "app/dialogs.h"
#include "app/layoutview.h"
#include "app/mainwindow.h"
#include "app/pixelimage.h"
#include "app/playbackgroup.h"
#include "app/programpage.h"
#include "app/textpanel.h"
#include "link/portsettings.h"
#include "project/gbk.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFile>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStringDecoder>
#include <QTreeWidget>

namespace dotsign {

namespace {

const QColor kSelectedZone(0x19, 0x4f, 0xc8);

} // namespace

void TMAINForm::Loadtoscreen(int mode)
{
    m_state.clockChangeGuard = 200;
    GeometryLoading = true;
    loadScreenPart();
    const bool validProgram =
        m_state.currentProgram >= 1 && m_state.currentProgram <= m_state.cur().programCount;
    if (mode >= 1 && validProgram)
        loadProgramPart(mode);
    m_programPage->setScheduleVisible(mode >= 1);
    // Without a program there is nothing the editors could write into.
    m_pages->setEnabled(validProgram);
    m_zoneTypeGroup->button(0)->parentWidget()->setEnabled(validProgram);

    if (m_state.currentProgram >= 1 && m_state.currentProgram <= kProgramSlots && m_state.currentZone >= 1 &&
        m_state.currentZone <= kZoneSlots) {
        const ZoneRecord& z = m_state.currentZoneRecord();
        setPreviewSize(z.zoneWidth, z.zoneInfoHeight == 0 ? z.zoneHeight : z.zoneInfoHeight);
    }
    m_state.clockChangeGuard = 0;
    GeometryLoading = false;
    const Status st = ApplayCom(m_state);
    if (!st)
        statusBar()->showMessage(st.message, 5000);
    refreshStatusBar();
}

void TMAINForm::loadScreenPart()
{
    const TprojectProp& s = m_state.cur();
    copyScreenToHardwareSettings(m_state);

    auto& panels = m_state.statusPanels;
    if (const QString c = colourTypeCaption(s.colourType); !c.isEmpty())
        panels[PanelColourType] = c;
    m_state.serial.portName = s.serialPort;
    panels[PanelBaud] = QString::number(s.baudRate);
    if (const QString c = linkTypeCaption(s.linkType); !c.isEmpty())
        panels[PanelLinkType] = c;
    if (const QString c = unitBoardCaption(s.unitBoardType); !c.isEmpty())
        panels[PanelUnitBoard] = c;
}

void TMAINForm::loadProgramPart(int mode)
{
    const TjiemuProp& p = m_state.program(m_state.currentProgram);
    m_state.currentTemplate = p.layoutTemplate;
    const bool zoneValid = m_state.currentZone >= 1 && m_state.currentZone <= kZoneSlots;
    const ZoneRecord& z = p.zone(zoneValid ? m_state.currentZone : 1);
    if (zoneValid && z.zoneType == ZoneText)
        m_textPanel->showFlags(z);
    if (mode == 2)
        colourZonePanels(mode);
    if (LayoutView* view = layoutView(m_state.currentTemplate))
        view->arrange(m_state.hw.screenWidth, m_state.hw.screenHeight, sizesFromProgram(p));
    if (zoneValid) {
        if (QAbstractButton* b = m_zoneTypeGroup->button(z.zoneType))
            b->setChecked(true);
        m_coordinates->setValues(z.zoneX, z.zoneY, z.zoneHeight, z.zoneWidth);
        m_playback->load(z);
    }
    m_programPage->load(p, PlayModeLoading);
}

void TMAINForm::colourZonePanels(int mode)
{
    if (mode != 2)
        return;
    for (int t = 2; t <= 4; ++t)
        for (int zone = 1; zone <= 3; ++zone)
            layoutView(t)->setZoneColour(zone, Qt::black);
    if (m_state.currentTemplate == 1 && m_state.currentZone == 1)
        layoutView(1)->setZoneColour(1, kSelectedZone);
}

void TMAINForm::hideLayoutViews()
{
    for (LayoutView* v : m_views)
        v->hide();
}

void TMAINForm::moveViewsToOrigin()
{
    for (LayoutView* v : m_views)
        v->move(LayoutOrigin);
}

// Sizes and shows the view of currentTemplate for currentProgram.
void TMAINForm::sizeLayoutView()
{
    if (m_state.currentProgram < 1 || m_state.currentProgram > m_state.cur().programCount)
        return;
    if (LayoutView* view = layoutView(m_state.currentTemplate)) {
        view->arrange(m_state.hw.screenWidth, m_state.hw.screenHeight,
                      sizesFromProgram(m_state.program(m_state.currentProgram)));
        showpanel(m_state.currentTemplate);
    }
}

// Shows view t alone (t = 0 hides them all) and writes the zone rectangles
// the view shows back into the current program: the zones always tile.
void TMAINForm::showpanel(int t)
{
    for (int i = 1; i <= 4; ++i)
        layoutView(i)->setVisible(i == t);
    LayoutView* view = layoutView(t);
    if (!view || m_state.currentProgram < 1 || m_state.currentProgram > m_state.cur().programCount)
        return;
    const QSize outer = view->size();
    m_layoutArea->setMinimumSize(LayoutOrigin.x() + outer.width() + 30,
                                 LayoutOrigin.y() + outer.height() + 30);
    TjiemuProp& p = m_state.program(m_state.currentProgram);
    if (p.layoutTemplate == t)
        writeZoneRects(p, m_state.hw.screenWidth, m_state.hw.screenHeight, view->sizes());
}

void TMAINForm::applySizes(const TemplateSizes& sizes)
{
    GeometryLoading = true;
    TjiemuProp& p = m_state.program(m_state.currentProgram);
    writeZoneRects(p, m_state.hw.screenWidth, m_state.hw.screenHeight, sizes);
    if (LayoutView* view = layoutView(p.layoutTemplate))
        view->arrange(m_state.hw.screenWidth, m_state.hw.screenHeight, sizes);
    GeometryLoading = false;
}

void TMAINForm::geometryFieldChanged(GeometryField field, int value)
{
    if (GeometryLoading || m_state.currentProgram < 1 || m_state.currentProgram > m_state.cur().programCount)
        return;
    const TjiemuProp& p = m_state.program(m_state.currentProgram);
    const GeometryChange change =
        geometryFieldChange(p.layoutTemplate, m_state.currentZone, field, value, m_state.hw.screenWidth,
                            m_state.hw.screenHeight, sizesFromProgram(p));
    switch (change.kind) {
    case GeometryChange::Restore:
        m_coordinates->setField(field, change.restoreValue);
        return;
    case GeometryChange::SizeField:
        applySizes(change.sizes);
        find_fenqu(m_state.currentZone);
        OBJECT_TREEMouseDown(this);
        return;
    case GeometryChange::SplitterRule:
        applySizes(change.sizes);
        find_jiemu();
        OBJECT_TREEMouseDown(this);
        return;
    }
}

void TMAINForm::splitterReleased(int layoutTemplate, int index, int newSize)
{
    if (m_state.currentProgram < 1 || m_state.currentProgram > m_state.cur().programCount ||
        m_state.program(m_state.currentProgram).layoutTemplate != layoutTemplate)
        return;
    TemplateSizes sizes = sizesFromProgram(m_state.program(m_state.currentProgram));
    if (index == 1)
        sizes.bottomLeftWidth = newSize;
    else if (layoutTemplate == 3)
        sizes.leftWidth = newSize;
    else
        sizes.topHeight = newSize;
    applySizes(clampSizes(layoutTemplate, m_state.hw.screenWidth, m_state.hw.screenHeight, sizes));
    find_jiemu();
    OBJECT_TREEMouseDown(this);
}

// A press on the single zone of template 1 gives it the whole screen again.
void TMAINForm::m1_bmpMouseDown()
{
    const int w = m_state.hw.screenWidth;
    const int h = m_state.hw.screenHeight;
    GeometryLoading = true;
    m_coordinates->setValues(0, 0, h, w);
    ZoneRecord& z = m_state.zone(m_state.currentProgram, 1);
    z.zoneX = 0;
    z.zoneY = 0;
    z.zoneWidth = w;
    z.zoneHeight = h;
    GeometryLoading = false;
    m_state.currentZone = 1;
    find_fenqu(1);
    OBJECT_TREEMouseDown(this);
}

// "打开": a text file's lines replace the memo's text. UTF-8 files are
// read as such; anything else in the system's code page (GBK).
void TMAINForm::openTextFile()
{
    const QString path =
        m_dialogs.openFileName(this, m_state.projectDir, QStringLiteral("VeRozAradezu Format Files (*.txt)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_dialogs.error(this, QString(), tr("文件读错误。"));
        return;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = fromGbk(bytes);
    m_textPanel->setText(text);
}

} // namespace dotsign
