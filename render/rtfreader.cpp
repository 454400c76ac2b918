#include "render/rtfreader.h"

#include "project/gbk.h"
#include "render/richdocument.h"
#include "render/richdocumentsafety.h"
#include "render/rtfbuilder.h"
#include "render/rtfcodepage.h"
#include "render/rtfpicture.h"
#include "render/rtftokenizer.h"

#include <QCoreApplication>
#include <QHash>
#include <QTextDocument>
#include <QTextFrame>
#include <algorithm>
#include <map>
#include <vector>

namespace dotsign {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr qsizetype kMaxPictureBytes = 32 * 1024 * 1024;
constexpr size_t kMaxRowCells = 64;

enum class Dest { Normal, Skip, FontTable, ColourTable, Picture, DocumentProps };

struct CharState
{
    int font = -1;
    int halfPoints = 24;
    bool bold = false, italic = false, underline = false, strike = false;
    int foreground = 0, background = 0;
    int vertical = 0; // 1 superscript, 2 subscript
    // Double-byte (CJK) text after \dbch takes the associated properties
    // (\af, \afs, \ab, \ai) given after \dbch; LibreOffice writes its
    // Chinese runs' font, size and weight only there. -1: not given.
    bool doubleByte = false;
    bool assocForDoubleByte = false;
    int dbFont = -1, dbHalfPoints = -1, dbBold = -1, dbItalic = -1;
};

struct ParaState
{
    Qt::Alignment alignment = Qt::AlignLeft;
    int left = 0, right = 0, first = 0, before = 0, after = 0; // twips
    int lineSpacing = 0;
    bool lineMultiple = false;
    bool inTable = false;
};

struct GroupState
{
    Dest dest = Dest::Normal;
    CharState chars;
    ParaState para;
    int unicodeSkip = 1;  // \uc
    bool starred = false; // "\*" seen: an unknown destination here is skipped
    bool fresh = true;    // nothing but "\*" read in this group yet
};

struct FontEntry
{
    QString name;
    int codepage = 0; // 0: the document's code page
};

class RtfReader
{
public:
    explicit RtfReader(QTextDocument* doc) : m_doc(doc), m_builder(doc) {}
    Status read(const QByteArray& data);

private:
    GroupState& state() { return m_stack.back(); }
    bool openGroup();
    void closeGroup();
    void text(QByteArrayView bytes);
    void hexByte(uchar byte);
    void word(const RtfToken& token);
    void symbol(char c);
    bool destination(QByteArrayView name);
    bool charWord(QByteArrayView name, bool hasParam, int param);
    void associatedWord(QByteArrayView name, int param);
    bool paraWord(QByteArrayView name, int param);
    bool tableWord(QByteArrayView name, int param);
    bool borderWord(QByteArrayView name, int param);
    void pictureWord(QByteArrayView name, int param);
    void fontTableWord(QByteArrayView name, int param);
    void documentWord(QByteArrayView name, int param);
    void special(QByteArrayView name, bool hasParam, int param);
    void unicodeChar(int value);
    void addChars(const QString& chars);
    void flushText();
    void endParagraph();
    void finishFont();
    void finishPicture();
    void finish();
    QString decode(const QByteArray& bytes, int codepage);
    int currentCodepage();
    QColor colour(int index) const;
    QTextCharFormat charFormat();
    QTextBlockFormat blockFormat();

    QTextDocument* m_doc;
    RtfBuilder m_builder;
    std::vector<GroupState> m_stack;
    QByteArray m_pending; // code-page bytes not yet decoded
    int m_skip = 0;       // fallback characters of a \u still to skip
    int m_ansiCodepage = 1252;
    int m_defaultFont = -1;
    QHash<int, FontEntry> m_fonts;
    int m_fontIndex = 0;
    QByteArray m_fontName;
    std::vector<QColor> m_colours;
    int m_red = -1, m_green = -1, m_blue = -1;
    RtfTextDecoder m_decoder;
    RtfRowProps m_row;
    RtfCellProps m_cell;
    RtfBorder* m_border = nullptr; // the border that \brdr words describe
    RtfBorder m_ignoredBorder;
    RtfPicture m_picture;
    bool m_pictureTooBig = false;
    int m_hexHigh = -1;
    qint64 m_pixelBudget = kDocumentPixelBudget;
    int m_topMargin = 0;
    int m_backgroundIndex = -1;
    bool m_tooDeep = false;
};

Status RtfReader::read(const QByteArray& data)
{
    RtfTokenizer tokenizer(data);
    RtfToken token = tokenizer.next();
    if (token.kind != RtfToken::GroupStart || tokenizer.next().name != "rtf")
        return Status::failure(QCoreApplication::translate("Document", "不是RTF文件。"));
    m_stack.push_back(GroupState{});
    while (!m_tooDeep && !m_stack.empty()) {
        token = tokenizer.next();
        switch (token.kind) {
        case RtfToken::End:
            finish();
            return Status::success();
        case RtfToken::GroupStart:
            if (!openGroup())
                m_tooDeep = true;
            break;
        case RtfToken::GroupEnd:
            closeGroup();
            break;
        case RtfToken::Word:
            word(token);
            break;
        case RtfToken::Symbol:
            symbol(token.symbol);
            break;
        case RtfToken::HexByte:
            hexByte(token.byte);
            break;
        case RtfToken::Text:
            text(token.data);
            break;
        case RtfToken::Binary:
            if (state().dest == Dest::Picture &&
                m_picture.data.size() + token.data.size() <= kMaxPictureBytes)
                m_picture.data.append(token.data);
            break;
        }
    }
    m_stack.resize(std::min<size_t>(m_stack.size(), 1));
    if (m_stack.empty())
        m_stack.push_back(GroupState{});
    finish();
    if (m_tooDeep)
        return Status::failure(
            QCoreApplication::translate("Document", "RTF文件的嵌套层次太深，只读出了其中的一部分。"));
    return Status::success();
}

bool RtfReader::openGroup()
{
    flushText();
    m_skip = 0;
    if (m_stack.size() >= kMaxRtfDepth)
        return false;
    GroupState inner = state();
    inner.starred = false;
    inner.fresh = true;
    m_stack.push_back(inner);
    return true;
}

void RtfReader::closeGroup()
{
    flushText();
    m_skip = 0;
    const Dest dest = state().dest;
    if (dest == Dest::FontTable && m_stack.size() > 1 && !m_fontName.isEmpty())
        finishFont();
    m_stack.pop_back();
    if (dest == Dest::Picture && !m_stack.empty() && state().dest != Dest::Picture)
        finishPicture();
}

void RtfReader::text(QByteArrayView bytes)
{
    GroupState& group = state();
    group.fresh = false;
    if (group.starred && group.dest != Dest::Skip)
        group.dest = Dest::Skip;
    switch (group.dest) {
    case Dest::Normal:
        for (const char c : bytes) {
            if (m_skip > 0) {
                --m_skip;
                continue;
            }
            if (c == '\t') {
                flushText();
                addChars(QStringLiteral("\t"));
            } else if (static_cast<uchar>(c) >= 0x20) {
                m_pending.append(c);
            }
        }
        break;
    case Dest::FontTable:
        for (const char c : bytes) {
            if (c == ';')
                finishFont();
            else
                m_fontName.append(c);
        }
        break;
    case Dest::ColourTable:
        for (const char c : bytes) {
            if (c != ';')
                continue;
            const bool automatic = m_red < 0 && m_green < 0 && m_blue < 0;
            m_colours.push_back(automatic ? QColor()
                                          : QColor(std::clamp(m_red, 0, 255), std::clamp(m_green, 0, 255),
                                                   std::clamp(m_blue, 0, 255)));
            m_red = m_green = m_blue = -1;
        }
        break;
    case Dest::Picture:
        for (const char c : bytes) {
            const int value = QChar::fromLatin1(c).isDigit() ? c - '0'
                              : (c >= 'a' && c <= 'f')       ? c - 'a' + 10
                              : (c >= 'A' && c <= 'F')       ? c - 'A' + 10
                                                             : -1;
            if (value < 0)
                continue;
            if (m_hexHigh < 0) {
                m_hexHigh = value;
                continue;
            }
            if (m_picture.data.size() < kMaxPictureBytes)
                m_picture.data.append(static_cast<char>(m_hexHigh * 16 + value));
            else
                m_pictureTooBig = true;
            m_hexHigh = -1;
        }
        break;
    case Dest::Skip:
    case Dest::DocumentProps:
        break;
    }
}

void RtfReader::hexByte(uchar byte)
{
    GroupState& group = state();
    group.fresh = false;
    if (group.dest == Dest::FontTable) {
        m_fontName.append(static_cast<char>(byte));
        return;
    }
    if (group.dest != Dest::Normal)
        return;
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    m_pending.append(static_cast<char>(byte));
}

void RtfReader::word(const RtfToken& token)
{
    const QByteArrayView name = token.name;
    const int param = token.param;
    GroupState& group = state();
    const bool fresh = group.fresh;
    group.fresh = false;
    if (group.dest == Dest::Skip)
        return;
    if (name == "bin")
        return; // \bin without a count: nothing follows
    if (m_skip > 0 && group.dest == Dest::Normal) {
        --m_skip; // a control word stands for one fallback character of a \u
        return;
    }
    if (fresh && destination(name))
        return;
    if (group.starred) {
        group.dest = Dest::Skip; // an optional destination we do not know
        return;
    }
    switch (group.dest) {
    case Dest::FontTable:
        fontTableWord(name, param);
        return;
    case Dest::ColourTable:
        if (name == "red")
            m_red = param;
        else if (name == "green")
            m_green = param;
        else if (name == "blue")
            m_blue = param;
        return;
    case Dest::Picture:
        pictureWord(name, param);
        return;
    case Dest::DocumentProps:
        documentWord(name, param);
        return;
    default:
        break;
    }
    flushText();
    if (charWord(name, token.hasParam, param) || paraWord(name, param) || tableWord(name, param) ||
        borderWord(name, param))
        return;
    special(name, token.hasParam, param);
}

void RtfReader::symbol(char c)
{
    GroupState& group = state();
    const bool fresh = group.fresh;
    group.fresh = false;
    if (c == '*' && fresh) {
        group.starred = true;
        group.fresh = true;
        return;
    }
    if (group.dest == Dest::FontTable && (c == '\\' || c == '{' || c == '}')) {
        m_fontName.append(c);
        return;
    }
    if (group.dest != Dest::Normal)
        return;
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    switch (c) {
    case '\\':
    case '{':
    case '}':
        m_pending.append(c);
        break;
    case '~':
        flushText();
        addChars(QString(QChar(0x00A0)));
        break;
    case '_':
        flushText();
        addChars(QString(QChar(0x2011)));
        break;
    case '\n':
        endParagraph();
        break;
    default:
        break; // "\-" optional hyphens, "\:" index marks and the like show nothing
    }
}

// Destination words open a group that is not ordinary text.
bool RtfReader::destination(QByteArrayView name)
{
    GroupState& group = state();
    if (name == "fonttbl") {
        group.dest = Dest::FontTable;
    } else if (name == "colortbl") {
        group.dest = Dest::ColourTable;
        m_red = m_green = m_blue = -1;
    } else if (name == "pict") {
        if (group.dest != Dest::Normal) {
            group.dest = Dest::Skip;
            return true;
        }
        group.dest = Dest::Picture;
        m_picture = RtfPicture{};
        m_pictureTooBig = false;
        m_hexHigh = -1;
    } else if (name == "shppict" || name == "fldrslt") {
        group.starred = false;
    } else if (name == "dotsigndocument") {
        group.dest = Dest::DocumentProps;
        group.starred = false;
    } else if (isSkippedRtfDestination(name)) {
        group.dest = Dest::Skip;
    } else {
        return false;
    }
    return true;
}

void RtfReader::fontTableWord(QByteArrayView name, int param)
{
    if (name == "f") {
        if (!m_fontName.isEmpty())
            finishFont();
        m_fontIndex = param;
        m_fonts[param] = FontEntry{};
    } else if (name == "fcharset") {
        m_fonts[m_fontIndex].codepage = rtfCodepageForCharset(param);
    } else if (name == "cpg") {
        m_fonts[m_fontIndex].codepage = param;
    }
}

void RtfReader::finishFont()
{
    FontEntry& entry = m_fonts[m_fontIndex];
    entry.name = decode(m_fontName, entry.codepage ? entry.codepage : m_ansiCodepage).trimmed();
    m_fontName.clear();
}

void RtfReader::documentWord(QByteArrayView name, int param)
{
    if (name == "dstopmargin")
        m_topMargin = std::clamp(param, kMinTopMargin, kMaxTopMargin);
    else if (name == "dsbackground")
        m_backgroundIndex = param;
}

void RtfReader::pictureWord(QByteArrayView name, int param)
{
    RtfPicture& p = m_picture;
    if (name == "pngblip")
        p.kind = RtfPictureKind::Png;
    else if (name == "jpegblip")
        p.kind = RtfPictureKind::Jpeg;
    else if (name == "dibitmap")
        p.kind = RtfPictureKind::Dib;
    else if (name == "wbitmap")
        p.kind = RtfPictureKind::Ddb;
    else if (name == "wmetafile")
        p.kind = RtfPictureKind::Wmf;
    else if (name == "emfblip")
        p.kind = RtfPictureKind::Emf;
    else if (name == "picw")
        p.picw = param;
    else if (name == "pich")
        p.pich = param;
    else if (name == "picwgoal")
        p.goalWidth = param;
    else if (name == "pichgoal")
        p.goalHeight = param;
    else if (name == "picscalex")
        p.scaleX = param;
    else if (name == "picscaley")
        p.scaleY = param;
    else if (name == "wbmbitspixel")
        p.ddbBitsPerPixel = param;
    else if (name == "wbmwidthbytes")
        p.ddbWidthBytes = param;
}

void RtfReader::finishPicture()
{
    if (m_pictureTooBig || m_picture.data.isEmpty())
        return;
    const QImage image = decodeRtfPicture(m_picture, &m_pixelBudget);
    if (image.isNull())
        return;
    flushText();
    m_builder.addPicture(image, rtfPictureDisplaySize(m_picture, image.size()), charFormat());
    m_picture = RtfPicture{};
}

bool RtfReader::charWord(QByteArrayView name, bool hasParam, int param)
{
    CharState& c = state().chars;
    const bool on = !hasParam || param != 0;
    if (name == "plain")
        c = CharState{};
    else if (name == "f")
        c.font = param;
    else if (name == "fs")
        c.halfPoints = hasParam ? std::clamp(param, 2, 3276) : 24;
    else if (name == "b")
        c.bold = on;
    else if (name == "i")
        c.italic = on;
    else if (name == "ul" || name == "uld" || name == "uldb" || name == "ulw" || name == "ulth" ||
             name == "uldash")
        c.underline = on;
    else if (name == "ulnone")
        c.underline = false;
    else if (name == "strike" || name == "striked")
        c.strike = on;
    else if (name == "cf")
        c.foreground = param;
    else if (name == "cb" || name == "highlight" || name == "chcbpat")
        c.background = param;
    else if (name == "dbch")
        c.doubleByte = c.assocForDoubleByte = true;
    else if (name == "loch" || name == "hich")
        c.doubleByte = c.assocForDoubleByte = false;
    else if (name == "rtlch" || name == "ltrch")
        c.assocForDoubleByte = false;
    else if (name == "af" || name == "afs" || name == "ab" || name == "ai")
        associatedWord(name, hasParam ? param : 1);
    else if (name == "super")
        c.vertical = 1;
    else if (name == "sub")
        c.vertical = 2;
    else if (name == "nosupersub")
        c.vertical = 0;
    else
        return false;
    return true;
}

bool RtfReader::paraWord(QByteArrayView name, int param)
{
    ParaState& p = state().para;
    if (name == "par" || name == "page" || name == "sect")
        endParagraph();
    else if (name == "pard")
        p = ParaState{};
    else if (name == "ql")
        p.alignment = Qt::AlignLeft;
    else if (name == "qc")
        p.alignment = Qt::AlignHCenter;
    else if (name == "qr")
        p.alignment = Qt::AlignRight;
    else if (name == "qj" || name == "qd")
        p.alignment = Qt::AlignJustify;
    else if (name == "li" || name == "lin")
        p.left = param;
    else if (name == "ri" || name == "rin")
        p.right = param;
    else if (name == "fi")
        p.first = param;
    else if (name == "sb")
        p.before = param;
    else if (name == "sa")
        p.after = param;
    else if (name == "sl")
        p.lineSpacing = param;
    else if (name == "slmult")
        p.lineMultiple = param != 0;
    else if (name == "intbl")
        p.inTable = true;
    else
        return false;
    return true;
}

bool RtfReader::tableWord(QByteArrayView name, int param)
{
    if (name == "trowd") {
        m_row = RtfRowProps{};
        m_cell = RtfCellProps{};
        m_border = nullptr;
    } else if (name == "cellx") {
        m_cell.right = param;
        if (m_row.cells.size() < kMaxRowCells)
            m_row.cells.push_back(m_cell);
        m_cell = RtfCellProps{};
        m_border = nullptr;
    } else if (name == "trgaph") {
        m_row.gap = param;
    } else if (name.startsWith("clpad") || name.startsWith("trpadd")) {
        // Word and LibreOffice give cell padding per side; the table takes the largest.
        if (!name.startsWith("clpadf") && !name.startsWith("trpaddf"))
            m_row.padding = std::max(m_row.padding, param);
    } else if (name == "trleft") {
        m_row.left = param;
    } else if (name == "trspdl") {
        m_row.spacing = param;
    } else if (name == "trqc") {
        m_row.alignment = Qt::AlignHCenter;
    } else if (name == "trqr") {
        m_row.alignment = Qt::AlignRight;
    } else if (name == "clcbpat") {
        m_cell.background = colour(param);
    } else if (name == "clmgf" || name == "clmrg" || name == "clvmgf" || name == "clvmrg") {
        (name == "clmgf"    ? m_cell.mergeFirst
         : name == "clmrg"  ? m_cell.mergeNext
         : name == "clvmgf" ? m_cell.vmergeFirst
                            : m_cell.vmergeNext) = true;
    } else if (name == "cell" || name == "nestcell") {
        m_builder.endCell(blockFormat(), charFormat());
    } else if (name == "row") {
        if (m_builder.hasPendingContent())
            m_builder.endCell(blockFormat(), charFormat());
        m_builder.endRow(m_row);
    } else {
        return false;
    }
    return true;
}

bool RtfReader::borderWord(QByteArrayView name, int param)
{
    if (name == "clbrdrt" || name == "clbrdrl" || name == "clbrdrb" || name == "clbrdrr") {
        const int side = name == "clbrdrt" ? 0 : name == "clbrdrl" ? 1 : name == "clbrdrb" ? 2 : 3;
        m_border = &m_cell.borders[side];
        return true;
    }
    if (name.startsWith("trbrdr") || name.startsWith("brdrt") || name == "brdrl" || name == "brdrb" ||
        name == "brdrr" || name == "box") {
        m_border = &m_ignoredBorder; // row and paragraph borders are not shown
        return true;
    }
    if (!name.startsWith("brdr"))
        return false;
    RtfBorder& border = m_border ? *m_border : m_ignoredBorder;
    if (name == "brdrnone" || name == "brdrnil" || name == "brdrtbl")
        border.present = false;
    else if (name == "brdrw")
        border.width = std::clamp(param / kTwipsPerPixel, 1, 64);
    else if (name == "brdrcf")
        border.colour = colour(param);
    else
        border.present = true; // any line style: \brdrs, \brdrdb, \brdrth, \brdrdot ...
    return true;
}

void RtfReader::special(QByteArrayView name, bool hasParam, int param)
{
    static const QHash<QByteArray, char16_t> characters = {
        {"emdash", 0x2014},  {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},
        {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003},
        {"enspace", 0x2002}, {"qmspace", 0x2005},   {"line", 0x2028},      {"tab", u'\t'}};
    if (name == "u" && hasParam) {
        unicodeChar(param);
    } else if (name == "uc") {
        state().unicodeSkip = std::clamp(param, 0, 16);
    } else if (name == "ansicpg") {
        m_ansiCodepage = param;
    } else if (name == "ansi") {
        m_ansiCodepage = 1252;
    } else if (name == "mac") {
        m_ansiCodepage = 10000;
    } else if (name == "pc") {
        m_ansiCodepage = 437;
    } else if (name == "pca") {
        m_ansiCodepage = 850;
    } else if (name == "deff") {
        m_defaultFont = param;
    } else {
        const auto it = characters.constFind(name.toByteArray());
        if (it != characters.constEnd())
            addChars(QString(QChar(*it)));
    }
}

void RtfReader::unicodeChar(int value)
{
    if (state().dest != Dest::Normal)
        return;
    addChars(QString(QChar(static_cast<char16_t>(value < 0 ? value + 65536 : value))));
    m_skip = state().unicodeSkip;
}

void RtfReader::addChars(const QString& chars)
{
    if (state().dest == Dest::Normal)
        m_builder.addText(chars, charFormat());
}

void RtfReader::flushText()
{
    if (m_pending.isEmpty())
        return;
    const QString text = decode(m_pending, currentCodepage());
    m_pending.clear();
    m_builder.addText(text, charFormat());
}

void RtfReader::endParagraph()
{
    flushText();
    m_builder.endParagraph(blockFormat(), charFormat(), state().para.inTable);
}

void RtfReader::finish()
{
    flushText();
    if (m_builder.hasPendingContent())
        m_builder.endParagraph(blockFormat(), charFormat(), state().para.inTable);
    m_builder.finish();
    QTextFrameFormat frame = m_doc->rootFrame()->frameFormat();
    const QColor background = colour(m_backgroundIndex);
    frame.setBackground(background.isValid() ? background : QColor(Qt::black));
    m_doc->rootFrame()->setFrameFormat(frame);
    setDocumentTopMargin(m_doc, m_topMargin);
}

int RtfReader::currentCodepage()
{
    const int font = state().chars.font >= 0 ? state().chars.font : m_defaultFont;
    const auto it = m_fonts.constFind(font);
    if (it != m_fonts.constEnd() && it->codepage != 0)
        return it->codepage;
    return m_ansiCodepage;
}

QString RtfReader::decode(const QByteArray& bytes, int codepage)
{
    return m_decoder.decode(bytes, codepage);
}

QColor RtfReader::colour(int index) const
{
    if (index <= 0 || index >= static_cast<int>(m_colours.size()))
        return QColor();
    return m_colours[static_cast<size_t>(index)];
}

void RtfReader::associatedWord(QByteArrayView name, int param)
{
    CharState& c = state().chars;
    if (!c.assocForDoubleByte)
        return; // associated properties of right-to-left or Latin text
    if (name == "af")
        c.dbFont = param;
    else if (name == "afs")
        c.dbHalfPoints = std::clamp(param, 2, 3276);
    else if (name == "ab")
        c.dbBold = param != 0;
    else
        c.dbItalic = param != 0;
}

QTextCharFormat RtfReader::charFormat()
{
    CharState c = state().chars;
    if (c.doubleByte) {
        c.font = c.dbFont >= 0 ? c.dbFont : c.font;
        c.halfPoints = c.dbHalfPoints > 0 ? c.dbHalfPoints : c.halfPoints;
        c.bold = c.dbBold >= 0 ? c.dbBold != 0 : c.bold;
        c.italic = c.dbItalic >= 0 ? c.dbItalic != 0 : c.italic;
    }
    QTextCharFormat format;
    const auto font = m_fonts.constFind(c.font >= 0 ? c.font : m_defaultFont);
    if (font != m_fonts.constEnd() && !font->name.isEmpty())
        format.setFontFamilies(QStringList{font->name});
    format.setFontPointSize(c.halfPoints / 2.0);
    if (c.bold)
        format.setFontWeight(QFont::Bold);
    if (c.italic)
        format.setFontItalic(true);
    if (c.underline)
        format.setFontUnderline(true);
    if (c.strike)
        format.setFontStrikeOut(true);
    if (const QColor fg = colour(c.foreground); fg.isValid())
        format.setForeground(fg);
    if (const QColor bg = colour(c.background); bg.isValid())
        format.setBackground(bg);
    if (c.vertical != 0)
        format.setVerticalAlignment(c.vertical == 1 ? QTextCharFormat::AlignSuperScript
                                                    : QTextCharFormat::AlignSubScript);
    return format;
}

QTextBlockFormat RtfReader::blockFormat()
{
    const ParaState& p = state().para;
    QTextBlockFormat format;
    if (p.alignment != Qt::AlignLeft)
        format.setAlignment(p.alignment);
    if (p.left != 0)
        format.setLeftMargin(p.left / kTwipsPerPixel);
    if (p.right != 0)
        format.setRightMargin(p.right / kTwipsPerPixel);
    if (p.first != 0)
        format.setTextIndent(p.first / kTwipsPerPixel);
    if (p.before != 0)
        format.setTopMargin(p.before / kTwipsPerPixel);
    if (p.after != 0)
        format.setBottomMargin(p.after / kTwipsPerPixel);
    if (p.lineMultiple && p.lineSpacing > 0 && p.lineSpacing != 240)
        format.setLineHeight(std::clamp(p.lineSpacing * 100 / 240, 1, 1000),
                             QTextBlockFormat::ProportionalHeight);
    else if (!p.lineMultiple && p.lineSpacing > 0)
        format.setLineHeight(p.lineSpacing / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
    else if (!p.lineMultiple && p.lineSpacing < 0)
        format.setLineHeight(-(p.lineSpacing / kTwipsPerPixel), QTextBlockFormat::FixedHeight);
    return format;
}

} // namespace

Status readRtf(const QByteArray& data, QTextDocument* doc)
{
    SealedTextDocument scratch;
    RtfReader reader(&scratch);
    const Status status = reader.read(data);
    adoptDocument(&scratch, doc);
    return status;
}

} // namespace dotsign
