// SPDX-License-Identifier: GPL-3.0-or-later
// Every file of the fuzz corpus, the crashes found so far among them, reads without harm in every build.
#include "PlistCodec.h"

#include "FileContents.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

TEST(FuzzCorpus, EveryFileReadsAndWritesBack) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(REDIZADO_FUZZ_CORPUS)) {
        if (const auto values = plist_codec::fromBytes(readFile(entry.path()))) {
            EXPECT_TRUE(plist_codec::fromBytes(plist_codec::toXml(*values))) << entry.path();
        }
        ++files;
    }
    EXPECT_GE(files, 3);
}
