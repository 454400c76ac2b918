#include "app/clockpanel.h"

#include "app/clocksample.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace dotsign {

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kYellow(255, 255, 0);

QColor textColourOf(int zoneColour)
{
    return zoneColour == 2 ? kGreen : zoneColour == 3 ? kYellow : kRed;
}

QColor backColourOf(int zoneBackColour)
{
    switch (zoneBackColour) {
    case 1:
        return kRed;
    case 2:
        return kGreen;
    case 3:
        return kYellow;
    default:
        return Qt::black;
    }
}

QSpinBox* spin(QWidget* parent, const char* name, int maximum, const QString& tip)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, maximum);
    box->setToolTip(tip);
    return box;
}

} // namespace

ClockPanel::ClockPanel(ProjectState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("Panel12"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(createPositionRow());
    v->addWidget(createFormatRow());
    v->addWidget(createLookRow());
    v->addStretch();
}

QToolButton* ClockPanel::makeButton(const char* name, const QString& text, const QString& tip)
{
    auto* b = new QToolButton(this);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolTip(tip);
    m_alignButtons << b;
    return b;
}

QToolButton* ClockPanel::alignButton(const QString& name) const
{
    for (QToolButton* b : m_alignButtons)
        if (b->objectName() == name)
            return b;
    return nullptr;
}

QWidget* ClockPanel::createPositionRow()
{
    auto* row = new QWidget(this);
    m_x = spin(row, "SpinEdit3", 1024, tr("时钟信息的左起始坐标"));
    m_y = spin(row, "SpinEdit6", 256, tr("时钟信息的上起始坐标"));
    m_spacing = spin(row, "SpinEdit2", 256, tr("信息行的象数点"));
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(new QLabel(tr("左起点(X):"), row));
    h->addWidget(m_x);
    h->addWidget(new QLabel(tr("上起点(Y):"), row));
    h->addWidget(m_y);
    h->addWidget(new QLabel(tr("行间距"), row));
    h->addWidget(m_spacing);
    h->addSpacing(12);
    struct Align
    {
        const char* name;
        const char* text;
        const char* tip;
        bool horizontal;
        int where;
    };
    const Align aligns[] = {{"SpeedButton5", "⇤", QT_TRANSLATE_NOOP("ClockPanel", "左对齐"), true, 0},
                            {"SpeedButton6", "↔", QT_TRANSLATE_NOOP("ClockPanel", "水平居中"), true, 1},
                            {"SpeedButton7", "⇥", QT_TRANSLATE_NOOP("ClockPanel", "右对齐"), true, 2},
                            {"SpeedButton10", "⤒", QT_TRANSLATE_NOOP("ClockPanel", "顶端对齐"), false, 0},
                            {"SpeedButton9", "↕", QT_TRANSLATE_NOOP("ClockPanel", "垂直居中"), false, 1},
                            {"SpeedButton8", "⤓", QT_TRANSLATE_NOOP("ClockPanel", "底端对齐"), false, 2}};
    for (const Align& a : aligns) {
        QToolButton* b =
            makeButton(a.name, QString::fromUtf8(a.text), QCoreApplication::translate("ClockPanel", a.tip));
        const bool horizontal = a.horizontal;
        const int where = a.where;
        connect(b, &QToolButton::clicked, this, [this, horizontal, where] { align(horizontal, where); });
        h->addWidget(b);
    }
    h->addStretch();
    for (QSpinBox* box : {m_x, m_y, m_spacing})
        connect(box, &QSpinBox::valueChanged, this, &ClockPanel::Edit4Change);
    return row;
}

QWidget* ClockPanel::createFormatRow()
{
    auto* row = new QWidget(this);
    auto* elements = new QGroupBox(tr("日期格式"), row);
    auto* eh = new QHBoxLayout(elements);
    const char* const names[7] = {"CheckBox9",  "CheckBox10", "CheckBox12", "CheckBox16",
                                  "CheckBox17", "CheckBox18", "CheckBox19"};
    const char* const captions[7] = {
        QT_TRANSLATE_NOOP("ClockPanel", "年"), QT_TRANSLATE_NOOP("ClockPanel", "月"),
        QT_TRANSLATE_NOOP("ClockPanel", "日"), QT_TRANSLATE_NOOP("ClockPanel", "星期"),
        QT_TRANSLATE_NOOP("ClockPanel", "时"), QT_TRANSLATE_NOOP("ClockPanel", "分"),
        QT_TRANSLATE_NOOP("ClockPanel", "秒")};
    for (size_t i = 0; i < 7; ++i) {
        m_elements[i] = new QCheckBox(QCoreApplication::translate("ClockPanel", captions[i]), elements);
        m_elements[i]->setObjectName(QLatin1String(names[i]));
        connect(m_elements[i], &QCheckBox::clicked, this, &ClockPanel::Edit4Change);
        eh->addWidget(m_elements[i]);
    }
    auto makeRadioGroup = [row](const char* name, const QString& title, QRadioButton*& a, const QString& ta,
                                QRadioButton*& b, const QString& tb) {
        auto* box = new QGroupBox(title, row);
        box->setObjectName(QLatin1String(name));
        a = new QRadioButton(ta, box);
        b = new QRadioButton(tb, box);
        auto* group = new QButtonGroup(box);
        group->addButton(a);
        group->addButton(b);
        auto* l = new QHBoxLayout(box);
        l->addWidget(a);
        l->addWidget(b);
        return box;
    };
    QGroupBox* years =
        makeRadioGroup("RadioGroup3", tr("年份风格"), m_year4, tr("4位年"), m_year2, tr("2位年"));
    QGroupBox* lines = makeRadioGroup("RadioGroup4", tr("分行"), m_single, tr("单行"), m_multi, tr("多行"));
    for (QRadioButton* r : {m_year4, m_year2, m_single, m_multi})
        connect(r, &QRadioButton::clicked, this, &ClockPanel::centreAndDraw);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(elements);
    h->addWidget(years);
    h->addWidget(lines);
    h->addStretch();
    return row;
}

QToolButton* ClockPanel::makeSwatch(const char* name, const QColor& colour)
{
    auto* b = new QToolButton(this);
    b->setObjectName(QLatin1String(name));
    b->setCheckable(true);
    b->setAutoRaise(true);
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    b->setIcon(QIcon(pm));
    return b;
}

QWidget* ClockPanel::createLookRow()
{
    auto* row = new QWidget(this);
    auto* styleBox = new QGroupBox(tr("显示风格"), row);
    m_style = new QComboBox(styleBox);
    m_style->setObjectName(QStringLiteral("ComboBox1"));
    m_style->setToolTip(tr("时间风格"));
    m_style->addItems({QStringLiteral("2009-08-28 12:00:00"), QStringLiteral("08/28/2009 12:00:00"),
                       QStringLiteral("2009年08月28日12点00分00秒")});
    (new QHBoxLayout(styleBox))->addWidget(m_style);
    connect(m_style, &QComboBox::activated, this, &ClockPanel::centreAndDraw);

    auto* fixedBox = new QGroupBox(tr("固定文字"), row);
    m_fixedText = new QLineEdit(fixedBox);
    m_fixedText->setObjectName(QStringLiteral("Edit4"));
    (new QHBoxLayout(fixedBox))->addWidget(m_fixedText);
    connect(m_fixedText, &QLineEdit::textChanged, this, &ClockPanel::Edit4Change);

    m_font = new QComboBox(row);
    m_font->setObjectName(QStringLiteral("cmbFont2"));
    m_font->addItems({tr("细字体"), tr("粗字体")});
    connect(m_font, &QComboBox::currentIndexChanged, this, [this] {
        if (guarded())
            return;
        ClockEditFont = m_font->currentIndex() == 0 ? QStringLiteral("宋体") : QStringLiteral("黑体");
        Edit4Change();
    });
    m_size = new QComboBox(row);
    m_size->setObjectName(QStringLiteral("cmbFontSize2"));
    m_size->addItems({tr("单字12个LED灯大小"), tr("单字16个LED灯大小"), tr("单字32个LED灯大小")});
    connect(m_size, &QComboBox::currentIndexChanged, this, &ClockPanel::Edit4Change);

    const char* const textNames[3] = {"Image11", "Image9", "Image10"};
    const char* const backNames[4] = {"Image14", "Image12", "Image13", "Image15"};
    const QColor colours[4] = {kRed, kGreen, kYellow, Qt::black};
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel(tr("字体颜色"), row));
    for (int i = 0; i < 3; ++i) {
        m_textColours[static_cast<size_t>(i)] = makeSwatch(textNames[i], colours[i]);
        connect(m_textColours[static_cast<size_t>(i)], &QToolButton::clicked, this,
                [this, i] { textColourClicked(i + 1); });
        colourRow->addWidget(m_textColours[static_cast<size_t>(i)]);
    }
    colourRow->addSpacing(12);
    colourRow->addWidget(new QLabel(tr("背景颜色"), row));
    for (int i = 0; i < 4; ++i) {
        m_backColours[static_cast<size_t>(i)] = makeSwatch(backNames[i], colours[i]);
        connect(m_backColours[static_cast<size_t>(i)], &QToolButton::clicked, this,
                [this, i] { backColourClicked(i + 1); });
        colourRow->addWidget(m_backColours[static_cast<size_t>(i)]);
    }
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(styleBox, 0, 0);
    grid->addWidget(fixedBox, 0, 1);
    auto* fonts = new QHBoxLayout;
    fonts->addWidget(m_font);
    fonts->addWidget(m_size);
    fonts->addLayout(colourRow);
    fonts->addStretch();
    grid->addLayout(fonts, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return row;
}

int ClockPanel::zoneImageWidth() const
{
    return m_state.currentZoneRecord().zoneWidth;
}

int ClockPanel::zoneImageHeight() const
{
    return m_state.currentZoneRecord().zoneHeight;
}

void ClockPanel::szcl()
{
    const ZoneRecord& z = m_state.currentZoneRecord();
    CurZoneRect = QRect(QPoint(z.zoneX, z.zoneY), QSize(z.zoneWidth, z.zoneHeight));
    m_state.clockChangeGuard = 200;
    m_x->setValue(z.zoneInfoX);
    m_y->setValue(z.zoneInfoY);
    m_spacing->setValue(z.zoneInfoSpacing);
    m_font->setCurrentIndex(z.zoneFont == 0 ? 0 : 1);
    m_size->setCurrentIndex(z.zoneFontSize >= 0 && z.zoneFontSize < 3 ? z.zoneFontSize : 1);
    int v = z.clockOptions;
    for (size_t i = 0; i < 7; ++i) {
        const int flag = 128 >> i;
        const bool on = v >= flag;
        m_elements[i]->setChecked(on);
        if (on)
            v -= flag;
    }
    ClockEditBackColour = backColourOf(z.zoneBackColour);
    for (size_t i = 0; i < 4; ++i)
        m_backColours[i]->setChecked(static_cast<int>(i) + 1 == z.zoneBackColour);
    ClockEditColour = textColourOf(z.zoneColour);
    for (size_t i = 0; i < 3; ++i)
        m_textColours[i]->setChecked(ClockEditColour == textColourOf(static_cast<int>(i) + 1));
    m_style->setCurrentIndex(z.clockStyle >= 0 && z.clockStyle < 3 ? z.clockStyle : 0);
    (z.clockYearFormat == 0 ? m_year4 : m_year2)->setChecked(true);
    m_fixedText->setText(z.clockFixedText);
    (z.clockMultiLine == 0 ? m_single : m_multi)->setChecked(true);
    m_state.clockChangeGuard = 0;
}

void ClockPanel::Edit4Change()
{
    if (guarded())
        return;
    m_state.modifiedFlag = 200;
    ZoneRecord& z = m_state.currentZoneRecord();
    z.zoneInfoX = m_x->value();
    z.zoneInfoY = m_y->value();
    z.zoneInfoSpacing = m_spacing->value();
    z.clockFixedText = m_fixedText->text();
    z.zoneFont = m_font->currentIndex();
    z.zoneFontSize = m_size->currentIndex();
    z.zoneColour = ClockEditColour == kYellow ? 3 : ClockEditColour == kGreen ? 2 : 1;
    z.clockStyle = m_style->currentIndex();
    auto ticked = [this](size_t i) { return m_elements[i]->isChecked(); };
    z.clockOptions =
        clockOptionsFrom(ticked(0), ticked(1), ticked(2), ticked(3), ticked(4), ticked(5), ticked(6));
    z.clockYearFormat = m_year2->isChecked() ? 1 : 0;
    z.clockMultiLine = m_multi->isChecked() ? 1 : 0;
    z.zoneFile.clear();

    // The items are 12, 16 and 32 LEDs a character, in that order.
    const int sizeIndex = m_size->currentIndex();
    ClockDigitSize = sizeIndex == 2 ? 32 : sizeIndex == 0 ? 12 : 16;
    if (!z.clockMultiLine)
        ClockEditFont = m_font->currentIndex() == 0 ? QStringLiteral("宋体") : QStringLiteral("黑体");

    ClockSampleInput in;
    in.width = z.zoneWidth;
    in.height = z.zoneHeight;
    in.background = ClockEditBackColour;
    in.colour = ClockEditColour;
    in.family = ClockEditFont;
    in.digitSize = ClockDigitSize;
    in.x = z.zoneInfoX;
    in.y = z.zoneInfoY;
    in.spacing = z.zoneInfoSpacing;
    in.multiLine = z.clockMultiLine != 0;
    in.fixedText = z.clockFixedText;
    in.groups = clockSampleGroups(z.clockOptions, z.clockStyle, z.clockYearFormat, in.multiLine);
    const ClockSample sample = drawClockSample(in);
    ClockTextWidth = sample.textWidth;
    ClockTextHeight = sample.textHeight;
    emit drawn(sample.image);
}

void ClockPanel::textColourClicked(int zoneColour)
{
    for (size_t i = 0; i < 3; ++i)
        m_textColours[i]->setChecked(static_cast<int>(i) + 1 == zoneColour);
    ClockEditColour = textColourOf(zoneColour);
    Edit4Change();
}

void ClockPanel::backColourClicked(int zoneBackColour)
{
    for (size_t i = 0; i < 4; ++i)
        m_backColours[i]->setChecked(static_cast<int>(i) + 1 == zoneBackColour);
    ClockEditBackColour = backColourOf(zoneBackColour);
    m_state.currentZoneRecord().zoneBackColour = zoneBackColour;
    Edit4Change();
}

void ClockPanel::centreAndDraw()
{
    if (guarded())
        return;
    align(true, 1);
}

// Left/top, centre/middle or right/bottom; setting X or Y draws again through
// the field's change handler.
void ClockPanel::align(bool horizontal, int where)
{
    if (guarded())
        return;
    Edit4Change();
    const int extent = horizontal ? zoneImageWidth() : zoneImageHeight();
    const int text = horizontal ? ClockTextWidth : ClockTextHeight;
    const int value = where == 0 ? 0 : where == 1 ? (extent - text) / 2 : extent - text;
    (horizontal ? m_x : m_y)->setValue(value);
    if (where == 1)
        Edit4Change();
}

} // namespace dotsign
