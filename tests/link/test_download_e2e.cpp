// The sample project downloaded through a real pseudo-terminal to the virtual
// card: what the card stored is exactly what the renderer put in the planes.
#include "link/exchange.h"
#include "link/transdata.h"
#include "link/transport.h"
#include "project/projectfile.h"
#include "project/projectfolder.h"
#include "render/fonts.h"
#include "sim/virtualcard.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dotsign;

namespace {

// The data bytes of program n as the planes hold them: rows top to bottom,
// red bytes then green bytes of each row, filled up to whole blocks.
QByteArray expectedStream(ProjectState& state, int n)
{
    LedPlanes planes;
    renderProgram(state, planes, n, {});
    const auto shape = programShape(state, n);
    QByteArray bytes;
    for (int r = 0; r < shape->rows; ++r) {
        for (int c = 0; c < shape->bytesPerRow; ++c)
            bytes.append(static_cast<char>(planes.TRANSDATAR(r, c)));
        if (shape->colours == 2)
            for (int c = 0; c < shape->bytesPerRow; ++c)
                bytes.append(static_cast<char>(planes.TRANSDATAG(r, c)));
    }
    bytes.append(QByteArray((512 - bytes.size() % 512) % 512, '\0'));
    return bytes;
}

} // namespace

TEST(DownloadEndToEnd, SampleProjectReachesTheVirtualCard)
{
    installLedFontSubstitutions();
    QTemporaryDir root;
    ProjectState state;
    ASSERT_TRUE(
        prepareProjectFolder(state, root.path(), QStringLiteral(DOTSIGN_SOURCE_DIR "/samples/Project")).ok);
    ASSERT_TRUE(LoadProject(state, state.projectFilePath).ok);
    state.hw.colourThreshold = state.screen.colourThreshold;
    state.hw.cardModel = state.screen.cardModel;
    ASSERT_EQ(state.screen.programCount, 3);

    CardOptions options;
    options.address = 1;
    options.cardClass = 'B';
    VirtualCard card(options);
    ASSERT_TRUE(card.start().ok);
    state.serial.portName = card.portPath();
    state.serial.baudRate = 115200; // the transport keeps to the line speed
    LinkState link;
    SerialTransport transport(state.serial);
    Exchange exchange(transport, link, state);
    LedPlanes planes;
    QList<Status> notes;
    DownloadObserver observer;
    observer.note = [&](const Status& s) { notes.append(s); };
    const Status status = transdata(exchange, planes, observer);
    ASSERT_TRUE(status.ok) << status.message.toStdString();
    for (const Status& note : notes)
        ADD_FAILURE() << note.message.toStdString();

    ASSERT_EQ(card.programs().size(), 3u);
    for (const auto& [number, upload] : card.programs()) {
        SCOPED_TRACE(number);
        ASSERT_EQ(upload.index.size(), 252);
        EXPECT_EQ(static_cast<uint8_t>(upload.index.at(155)), number - 1);
        QByteArray received;
        int block = 2;
        for (int b : upload.blockOrder) {
            EXPECT_EQ(b, block++); // blocks arrive numbered from 2, in order
            received += upload.blocks.at(b);
        }
        EXPECT_EQ(received, expectedStream(state, number));
        const int last = block - 1;
        EXPECT_EQ(upload.endCount, last % 8 == 0 ? last : last + 1);
    }
}
