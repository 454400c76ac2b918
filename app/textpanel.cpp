#include "app/textpanel.h"

#include "app/ledlists.h"
#include "project/zonefiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace dotsign {

namespace {

QIcon swatch(const QColor& colour)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    return QIcon(pm);
}

// The memo shows line breaks as '\n'; the zone keeps CR LF as its file does.
QString toZoneText(const QString& memo)
{
    QString t = memo;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return t;
}

QString toMemoText(const QString& zoneText)
{
    QString t = zoneText;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return t;
}

} // namespace

TextPanel::TextPanel(ProjectState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("Panel5"));
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setPlaceholderText(tr("在此输入要显示的文字"));
    m_unsupported = new QLabel(this);
    m_unsupported->setObjectName(QStringLiteral("unsupportedLabel"));
    m_unsupported->setWordWrap(true);
    m_unsupported->setStyleSheet(QStringLiteral("color: #c62828;"));
    m_unsupported->hide();
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(createBar());
    v->addWidget(m_memo, 1);
    v->addWidget(m_unsupported);
    connect(m_memo, &QPlainTextEdit::textChanged, this, &TextPanel::memo1Change);
}

QWidget* TextPanel::createBar()
{
    auto* bar = new QWidget(this);
    auto* open = new QToolButton(bar);
    open->setObjectName(QStringLiteral("SpeedButton1"));
    open->setText(tr("打开"));
    open->setToolTip(tr("打开一个文本文件"));
    connect(open, &QToolButton::clicked, this, &TextPanel::openRequested);
    m_font = new QComboBox(bar);
    m_font->setObjectName(QStringLiteral("cmbFont"));
    m_font->addItems(textFontList());
    m_font->setMinimumContentsLength(8);
    m_font->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_size = new QComboBox(bar);
    m_size->setObjectName(QStringLiteral("cmbFontSize"));
    m_size->addItems(textSizeList());
    m_red = makeColourButton("Image6", QColor(255, 0, 0), tr("红色"), 1);
    m_green = makeColourButton("Image3", QColor(0, 128, 0), tr("绿色"), 2);
    m_yellow = makeColourButton("Image2", QColor(255, 255, 0), tr("黄色"), 3);
    m_singleLine = new QCheckBox(tr("单行处理"), bar);
    m_singleLine->setObjectName(QStringLiteral("CheckBox11"));
    m_couplet = new QCheckBox(tr("对联效果"), bar);
    m_couplet->setObjectName(QStringLiteral("CheckBox13"));

    auto* h = new QHBoxLayout(bar);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(open);
    h->addWidget(m_font, 1);
    h->addWidget(m_size);
    h->addWidget(m_red);
    h->addWidget(m_green);
    h->addWidget(m_yellow);
    h->addWidget(m_singleLine);
    h->addWidget(m_couplet);

    connect(m_font, &QComboBox::currentIndexChanged, this, &TextPanel::fontChoiceChanged);
    connect(m_size, &QComboBox::currentIndexChanged, this, &TextPanel::fontChoiceChanged);
    connect(m_singleLine, &QCheckBox::clicked, this, [this](bool on) {
        if (m_state.memoChangeArmed <= 0)
            return;
        m_state.currentZoneRecord().zonePlainText = on ? 1 : 0;
        memo1Change();
    });
    connect(m_couplet, &QCheckBox::clicked, this, [this](bool on) {
        if (m_state.memoChangeArmed <= 0)
            return;
        m_state.currentZoneRecord().clockYearFormat = on ? 1 : 0;
        memo1Change();
    });
    return bar;
}

QToolButton* TextPanel::makeColourButton(const char* name, const QColor& colour, const QString& tip,
                                         int zoneColour)
{
    auto* b = new QToolButton(this);
    b->setObjectName(QLatin1String(name));
    b->setIcon(swatch(colour));
    b->setToolTip(tip);
    b->setCheckable(true);
    b->setAutoRaise(true);
    connect(b, &QToolButton::clicked, this, [this, zoneColour] { colourClicked(zoneColour); });
    return b;
}

QToolButton* TextPanel::colourButton(int zoneColour) const
{
    return zoneColour == 2 ? m_green : zoneColour == 3 ? m_yellow : m_red;
}

int TextPanel::fontIndex(const QString& family) const
{
    return m_font->findText(family);
}

void TextPanel::showColour(int zoneColour)
{
    for (QToolButton* b : {m_red, m_green, m_yellow})
        b->setChecked(b == colourButton(zoneColour));
}

void TextPanel::colourClicked(int zoneColour)
{
    showColour(zoneColour);
    m_state.currentZoneRecord().zoneColour = zoneColour;
    memo1Change();
}

void TextPanel::fontChoiceChanged()
{
    if (m_state.memoChangeArmed <= 0)
        return;
    ZoneRecord& z = m_state.currentZoneRecord();
    z.zoneFont = m_font->currentIndex();
    z.zoneFontSize = m_size->currentIndex();
    memo1Change();
}

void TextPanel::showZoneText(const ZoneRecord& zone)
{
    setText(zone.zoneText);
    showFontChoice(zone);
    showColour(zone.zoneColour);
}

void TextPanel::showFontChoice(const ZoneRecord& zone)
{
    const QSignalBlocker b1(m_font), b2(m_size);
    m_font->setCurrentIndex(zone.zoneFont < m_font->count() ? zone.zoneFont : -1);
    m_size->setCurrentIndex(zone.zoneFontSize < m_size->count() ? zone.zoneFontSize : -1);
}

void TextPanel::showFlags(const ZoneRecord& zone)
{
    m_singleLine->setChecked(zone.zonePlainText > 0);
    m_couplet->setChecked(zone.clockYearFormat > 0);
}

void TextPanel::setText(const QString& text)
{
    const QString memo = toMemoText(text);
    if (m_memo->toPlainText() != memo)
        m_memo->setPlainText(memo);
}

QString TextPanel::memoText() const
{
    return toZoneText(m_memo->toPlainText());
}

void TextPanel::showUnsupported(const QString& characters)
{
    m_unsupported->setVisible(!characters.isEmpty());
    if (!characters.isEmpty())
        m_unsupported->setText(tr("显示屏不能显示以下字符，它们将显示为“?”：%1").arg(characters));
}

// Stores the memo's text into the current zone and asks for a new rendering.
void TextPanel::memo1Change()
{
    if (m_state.memoChangeArmed <= 0)
        return;
    m_state.modifiedFlag = 100;
    ZoneRecord& z = m_state.currentZoneRecord();
    showColour(z.zoneColour);
    z.zoneText = memoText();
    z.zoneFile = zoneTextFilePath(m_state, m_state.currentProgram, m_state.currentZone);
    if (m_state.currentZone > m_state.program(m_state.currentProgram).zoneCount)
        return;
    emit renderRequested();
}

} // namespace dotsign
