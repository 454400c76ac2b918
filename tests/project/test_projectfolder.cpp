#include "project/projectfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dotsign;

TEST(ProjectFolder, PortableWhenTheExecutableFolderIsWritable)
{
    QTemporaryDir exe, data;
    EXPECT_EQ(chooseProjectRoot(exe.path(), data.path()), exe.path());
    EXPECT_EQ(chooseProjectRoot(exe.filePath(QStringLiteral("no-such-dir")), data.path()), data.path());
    EXPECT_EQ(chooseProjectRoot(QStringLiteral("/usr/bin"), data.path()), data.path());
}

TEST(ProjectFolder, FirstStartCopiesTheSampleOnceAndMakesExtFile)
{
    QTemporaryDir root, sample;
    QFile kvp(sample.filePath(QStringLiteral("Project.kvp")));
    ASSERT_TRUE(kvp.open(QIODevice::WriteOnly));
    kvp.write("[a]\r\nb=1\r\n");
    kvp.close();

    ProjectState state;
    ASSERT_TRUE(prepareProjectFolder(state, root.path(), sample.path()).ok);
    EXPECT_EQ(state.projectFilePath, root.path() + QStringLiteral("/Project/Project.kvp"));
    EXPECT_EQ(state.defaultProjectFilePath, state.projectFilePath);
    EXPECT_TRUE(QFileInfo(root.filePath(QStringLiteral("Project/ExtFile"))).isDir());
    QFile copied(state.projectFilePath);
    ASSERT_TRUE(copied.open(QIODevice::ReadWrite)); // writable, even when copied from resources
    copied.resize(0);
    copied.write("mine");
    copied.close();

    ASSERT_TRUE(prepareProjectFolder(state, root.path(), sample.path()).ok);
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), QByteArray("mine")); // an existing project is never replaced
}

TEST(ProjectFolder, AFileWhereExtFileShouldBeIsReported)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("Project"))));
    QFile blocker(root.filePath(QStringLiteral("Project/ExtFile")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ProjectState state;
    const Status status = prepareProjectFolder(state, root.path(), QString());
    EXPECT_FALSE(status.ok);
    EXPECT_TRUE(status.message.contains(QStringLiteral("ExtFile")));
}
