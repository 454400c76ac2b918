// The zoomed zone preview, the layout view's thumbnails and the zoom commands.

#include "app/clockpanel.h"
#include "app/dialogs.h"
#include "app/layoutview.h"
#include "app/mainwindow.h"
#include "app/pixelimage.h"
#include "app/textpanel.h"
#include "app/zonepreview.h"
#include "project/gbk.h"
#include "project/zonefiles.h"
#include "render/ledplanes.h"
#include "render/zonerender.h"

#include "editor/openeditor.h"

#include <QFileInfo>
#include <QPainter>
#include <QPointer>
#include <QStatusBar>

namespace dotsign {

QString TMAINForm::currentZoneBitmapPath() const
{
    return dotsign::ZoneBitmapPath(m_state, m_state.currentProgram, m_state.currentZone);
}

void TMAINForm::setPreviewSize(int width, int height)
{
    m_image1->setDisplaySize(width, height);
}

// Open: the preview of the current zone, whatever its type.
void TMAINForm::Open()
{
    if (m_state.currentProgram < 1 || m_state.currentProgram > m_state.cur().programCount)
        return;
    m_state.statusPanels[PanelZoneFile].clear();
    ZoneRecord& z = m_state.currentZoneRecord();
    if (z.zoneFile.isEmpty()) {
        m_textPanel->setText(QString());
        m_image1->setBlack(m_image1->width(), m_image1->height());
        saveZoneBitmap(m_image1->image());
    } else {
        CurrentZoneFile = fileNamePart(z.zoneFile);
        const QString path = projectFolder(m_state) + CurrentZoneFile;
        if (z.zoneType == ZoneClock) {
            renderCurrentZone();
        } else if (z.zoneType == ZoneText) {
            if (CurrentZoneFile.endsWith(QStringLiteral(".txt"))) {
                m_textPanel->setText(z.zoneText);
                m_state.statusPanels[PanelZoneFile] = path;
            } else {
                m_textPanel->setText(QString());
            }
            yuelan();
        } else if (QFileInfo::exists(path)) {
            m_state.statusPanels[PanelZoneFile] = path;
            yuelanrtf();
        } else {
            BitBtn1Click();
        }
    }
    refreshStatusBar();
    refreshThumbnails();
}

// yuelan: the text preview of the current zone.
void TMAINForm::yuelan()
{
    const ZoneRecord& z = m_state.currentZoneRecord();
    m_textPanel->setText(z.zoneText);
    m_state.memoChangeArmed = 0;
    m_textPanel->showFontChoice(z);
    m_textPanel->showColour(z.zoneColour);
    renderCurrentZone();
    saveZoneBitmap(m_image1->image());
    drawPageMarks();
}

// yuelanrtf: the rich document preview; a zone lower than 16 rows is raised to 16.
void TMAINForm::yuelanrtf()
{
    ZoneRecord& z = m_state.currentZoneRecord();
    if (z.zoneHeight < 16)
        z.zoneHeight = 16;
    renderCurrentZone();
    saveZoneBitmap(m_image1->image());
    drawPageMarks();
}

// "进入编辑": the document editor for the current zone; its preview
// follows when the editor is closed.
void TMAINForm::BitBtn1Click()
{
    if (m_state.currentProgram < 1 || m_state.currentProgram > m_state.cur().programCount)
        return;
    const ZoneRecord& z = m_state.currentZoneRecord();
    m_clockPanel->CurZoneRect = QRect(z.zoneX, z.zoneY, z.zoneWidth, z.zoneHeight);
    QPointer<TMAINForm> self(this);
    openDocumentEditor(m_state, nullptr, this, [self] {
        if (self)
            self->Open();
    });
}

void TMAINForm::renderCurrentZone()
{
    const ZonePreviewImage preview = renderZonePreview(m_state, m_state.currentProgram, m_state.currentZone);
    if (!preview.error.isEmpty())
        m_dialogs.error(this, preview.errorCaption, preview.error);
    if (m_state.currentZoneRecord().zoneType == ZoneText)
        m_textPanel->showUnsupported(preview.unsupported);
    showZoneImage(preview);
    if (m_state.currentZoneRecord().zoneType == ZoneClock)
        saveZoneBitmap(preview.image);
}

void TMAINForm::showZoneImage(const ZonePreviewImage& preview)
{
    PreviewWidth = preview.previewWidth;
    PreviewHeight = preview.previewHeight;
    m_image1->setImage(preview.image);
    m_image1->setDisplaySize(preview.image.width(), preview.image.height());
    m_image1->setVisible(!preview.stripMode);
    m_image100->setVisible(preview.stripMode);
    if (preview.stripMode) {
        m_image100->setImage(preview.strip);
        m_image100->setDisplaySize(preview.strip.width(), preview.strip.height());
    }
}

void TMAINForm::saveZoneBitmap(const QImage& image)
{
    ZoneBitmapPath = currentZoneBitmapPath();
    if (image.isNull())
        return;
    const Status st = dotsign::saveZoneBitmap(m_state, m_state.currentProgram, m_state.currentZone, image);
    if (!st)
        statusBar()->showMessage(st.message, 5000);
}

// Blue page marks on the preview only (the saved bitmap has none).
void TMAINForm::drawPageMarks()
{
    const ZoneRecord& z = m_state.currentZoneRecord();
    if (z.zoneHeight < 1)
        return;
    QImage pages = m_image1->image();
    if (pages.isNull())
        return;
    const int count = pages.height() / z.zoneHeight;
    {
        QPainter p(&pages);
        p.setPen(QColor(0, 0, 255));
        for (int k = 1; k <= count; ++k)
            p.drawLine(0, k * z.zoneHeight - 1, pages.width() - 1, k * z.zoneHeight - 1);
    }
    m_image1->setImage(pages);
    if (m_image100->isVisibleTo(m_image100->parentWidget()) && z.zoneWidth > 0) {
        QImage strip = m_image100->image();
        QPainter p(&strip);
        p.setPen(QColor(0, 0, 255));
        for (int k = 1; k <= count; ++k)
            p.drawLine(k * z.zoneWidth - 1, 0, k * z.zoneWidth - 1, strip.height() - 1);
        p.end();
        m_image100->setImage(strip);
    }
}

// After a zone was rendered only that zone shows content in the layout view;
// the other zone images of templates 2 to 4 are blacked.
void TMAINForm::refreshThumbnails()
{
    if (m_state.currentProgram < 1 || m_state.currentProgram > m_state.cur().programCount)
        return;
    const int t = m_state.program(m_state.currentProgram).layoutTemplate;
    LayoutView* view = layoutView(t);
    if (!view)
        return;
    for (int zone = 1; zone <= view->zoneCount(); ++zone) {
        if (t == 1 || zone == m_state.currentZone)
            continue;
        PixelImage* image = view->zoneImage(zone);
        image->setBlack(image->width(), image->height());
    }
    loadThumbnail(m_state.currentZone);
}

void TMAINForm::loadThumbnail(int zone)
{
    LayoutView* view = layoutView(m_state.program(m_state.currentProgram).layoutTemplate);
    if (!view || !view->zoneImage(zone))
        return;
    QImage image;
    image.load(dotsign::ZoneBitmapPath(m_state, m_state.currentProgram, zone));
    view->zoneImage(zone)->setImage(image);
}

void TMAINForm::zoom(int factor)
{
    PixelImage* target = m_image1->isVisibleTo(m_image1->parentWidget()) ? m_image1 : m_image100;
    target->setDisplaySize(PreviewWidth * factor, PreviewHeight * factor);
}

void TMAINForm::textChanged()
{
    renderCurrentZone();
    m_textPanel->showFontChoice(m_state.currentZoneRecord());
    saveZoneBitmap(m_image1->image());
    drawPageMarks();
    refreshThumbnails();
}

void TMAINForm::stayChanged()
{
    if (m_state.memoChangeArmed <= 0 || m_state.currentZoneRecord().zoneType != ZoneText)
        return;
    // A new pause can switch strip mode on or off; it is no edit of the text.
    const int modified = m_state.modifiedFlag;
    m_textPanel->memo1Change();
    m_state.modifiedFlag = modified;
}

void TMAINForm::clockDrawn(const QImage& image)
{
    PreviewWidth = image.width();
    PreviewHeight = image.height();
    m_image1->setImage(image);
    m_image1->setDisplaySize(image.width(), image.height());
    m_image1->show();
    m_image100->hide();
    ZoneRecord& z = m_state.currentZoneRecord();
    if (m_planes) {
        const CopyResult copied =
            CopyZoneToPlanes(*m_planes, image, z, m_state.hw.screenWidth, m_state.hw.screenHeight,
                             m_state.hw.colourThreshold, LedPlanes::kUsedRows, true);
        if (!copied.message.isEmpty())
            m_dialogs.error(this, copied.caption, copied.message);
    }
    saveZoneBitmap(image);
    z.zoneFile = ZoneBitmapPath;
    z.zoneInfoHeight = image.height();
    refreshThumbnails();
}

} // namespace dotsign
