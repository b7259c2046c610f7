// The saved list's file: what is read, what is kept, what is written back.
#include <gtest/gtest.h>

#include "mypcs/PcBook.h"

namespace {

const std::string kBom = "\xEF\xBB\xBF";

SavedPc Pc(const wchar_t* name, std::uint8_t last = 1) {
    return SavedPc{name, {0x00, 0x11, 0x22, 0x33, 0x44, last}, L"", L"", 0, L""};
}

TEST(PcList, ReadsColumnsByNameInAnyOrderAndCase) {
    const PcList list = PcList::Read(kBom +
                                     "port,Notes,mac,NAME,Destination,Address,PassWord\r\n"
                                     "9,desk by the door,00:11:22:33:44:55,office-pc,192.168.2.255,192.168.2.20,1.2.3.4\r\n"
                                     ",,001122334466,lab-2,,,\r\n");
    ASSERT_EQ(2u, list.Pcs().size());
    const SavedPc& office = list.Pcs()[0];
    EXPECT_EQ(L"office-pc", office.name);
    EXPECT_EQ((MacAddress{0x00, 0x11, 0x22, 0x33, 0x44, 0x55}), office.mac);
    EXPECT_EQ(L"192.168.2.20", office.address);
    EXPECT_EQ(L"192.168.2.255", office.destination);
    EXPECT_EQ(9, office.port);
    EXPECT_EQ(L"1.2.3.4", office.password);
    EXPECT_EQ(0, list.Pcs()[1].port);
    EXPECT_TRUE(list.UnreadableLines().empty());
}

TEST(PcList, AnUnchangedFileIsWrittenBackByteForByte) {
    const std::string files[] = {
        kBom + "Name,MAC,Extra\r\npc,00-11-22-33-44-55,\"keep, \"\"this\"\"\"\r\n",
        "Name,MAC\nno-bom,001122334455\n",                    // no BOM, LF
        kBom + "Name,MAC\r\nlast,001122334455",               // no final line break
        kBom + "Name,MAC\r\na,001122334455\nb,001122334466\r\n\r\n",  // mixed breaks, a blank line
        kBom + "Name,MAC\r\n\"open,001122334455\r\nok,001122334466\r\n",
    };
    for (const std::string& file : files) EXPECT_EQ(file, PcList::Read(file).Write()) << file;
}

TEST(PcList, UnreadableLinesAreCountedAndKeptInPlace) {
    const std::string file = kBom +
                             "Name,MAC,Notes\r\n"
                             "\"unterminated,001122334455\r\n"  // 2: a quote left open spoils this line only
                             "good,001122334455,x\r\n"
                             "bad-mac,0011223344\r\n"            // 4
                             "GOOD,001122334466\r\n"             // 5: the name again, without case
                             "\xC3\x28,001122334477\r\n"         // 6: not UTF-8
                             ",,\r\n"                            // empty fields: no PC, nothing wrong
                             "after,001122334488\r\n";
    PcList list = PcList::Read(file);
    ASSERT_EQ(2u, list.Pcs().size());
    EXPECT_EQ(L"good", list.Pcs()[0].name);
    EXPECT_EQ(L"after", list.Pcs()[1].name);
    EXPECT_EQ((std::vector<std::size_t>{2, 4, 5, 6}), list.UnreadableLines());

    ASSERT_TRUE(list.Add(Pc(L"new")));
    list.Remove(2);
    EXPECT_EQ(file, list.Write());
    list.Remove(0);
    EXPECT_EQ((std::vector<std::size_t>{2, 3, 4, 5}), list.UnreadableLines());
    EXPECT_EQ(std::string::npos, list.Write().find("good,"));
    EXPECT_NE(std::string::npos, list.Write().find("\"unterminated,001122334455\r\nbad-mac"));
}

TEST(PcList, AnEditedLineKeepsItsUnknownFieldsAndTheMacInItsDisplayForm) {
    PcList list = PcList::Read("Name,Notes,MAC\r\npc,\"a, b\",00:11:22:33:44:55\r\nother,x,001122334466\r\n");
    SavedPc pc = list.Pcs()[0];
    pc.port = 7;
    ASSERT_TRUE(list.Replace(0, pc));
    EXPECT_EQ("Name,Notes,MAC,Port\r\npc,\"a, b\",00-11-22-33-44-55,7\r\nother,x,001122334466\r\n", list.Write());
    EXPECT_FALSE(list.Replace(0, Pc(L"OTHER")));
}

TEST(PcList, KoreanAndJapaneseNamesRoundTrip) {
    PcList list;
    ASSERT_TRUE(list.Add(Pc(L"사무실-컴퓨터", 1)));
    ASSERT_TRUE(list.Add(Pc(L"事務所のパソコン", 2)));
    ASSERT_FALSE(list.Add(Pc(L"사무실-컴퓨터", 3)));
    const std::string file = list.Write();
    EXPECT_EQ(0u, file.rfind(kBom + "Name,MAC,Address,Destination,Port,Password\r\n", 0));
    const PcList back = PcList::Read(file);
    ASSERT_EQ(2u, back.Pcs().size());
    EXPECT_EQ(list.Pcs(), back.Pcs());
    EXPECT_EQ(1, back.Find(L"事務所のパソコン"));
}

TEST(PcList, AFileThatIsNotTheListIsShownAndNeverWritten) {
    for (const std::string& file : {std::string("\xFF\xFEN\0a\0", 6), std::string("Host,Port\r\nx,9\r\n"),
                                    std::string("\"Name,MAC\r\n")}) {
        const PcList list = PcList::Read(file);
        EXPECT_FALSE(list.Writable());
        EXPECT_TRUE(list.Pcs().empty());
    }
    EXPECT_TRUE(PcList::Read("").Writable());
    EXPECT_TRUE(PcList::Read(kBom).Writable());
}

TEST(PcList, TheCapsAreReadAndPastThemNothingIsWritten) {
    std::string file = "Name,MAC\r\n";
    for (int i = 0; i < 10000; ++i) file += "pc" + std::to_string(i) + ",001122334455\r\n";
    const PcList full = PcList::Read(file);
    EXPECT_EQ(10000u, full.Pcs().size());
    EXPECT_TRUE(full.Writable());

    // A megabyte-long line is kept unread; the lines around it are read.
    const std::string longLine = "Name,MAC\r\na,001122334455\r\n" + std::string(1 << 20, 'x') + "\r\nb,001122334466\r\n";
    const PcList withLong = PcList::Read(longLine);
    EXPECT_EQ(2u, withLong.Pcs().size());
    EXPECT_EQ((std::vector<std::size_t>{3}), withLong.UnreadableLines());
    EXPECT_EQ(longLine, withLong.Write());

    const PcList huge = PcList::Read("Name,MAC\r\n" + std::string(kMaxListBytes, ','));
    EXPECT_TRUE(huge.TooLong());
    EXPECT_FALSE(huge.Writable());
}

class MemoryStore final : public PcFileStore {
public:
    bool exists = false;
    bool failRead = false;
    bool failWrite = false;
    std::string bytes;
    int writes = 0;

    Read ReadList(std::string& out, std::size_t limit) override {
        if (failRead) return Read::Failed;
        if (!exists) return Read::Missing;
        out = bytes.substr(0, limit);
        return Read::Found;
    }
    bool ReplaceList(const std::string& written) override {
        ++writes;
        if (failWrite) return false;
        bytes = written;
        exists = true;
        return true;
    }
};

TEST(PcBook, WritesOnlyForAChangeAndNeverOverAFileChangedMeanwhile) {
    MemoryStore store;
    PcBook book(store);
    ASSERT_TRUE(book.Load());
    EXPECT_TRUE(book.Missing());
    EXPECT_EQ(0, store.writes);
    EXPECT_EQ(PcChange::Saved, book.Add(Pc(L"a")));
    EXPECT_EQ(PcChange::NameTaken, book.Add(Pc(L"A")));
    EXPECT_EQ(1, store.writes);

    store.bytes += "b,001122334466\r\n";  // another program adds a line
    EXPECT_EQ(PcChange::ReadAgain, book.Add(Pc(L"c")));
    EXPECT_EQ(1, store.writes);
    ASSERT_EQ(2u, book.List().Pcs().size());  // read again: the other program's line is there
    EXPECT_EQ(PcChange::Saved, book.Remove({1, 0}));
    EXPECT_TRUE(book.List().Pcs().empty());
}

TEST(PcBook, AFailedReadOrWriteLeavesTheFileAsItWas) {
    MemoryStore store;
    store.exists = true;
    store.bytes = "Name,MAC\r\na,001122334455\r\n";
    store.failRead = true;
    PcBook book(store);
    EXPECT_FALSE(book.Load());
    EXPECT_EQ(PcChange::NotWritable, book.Add(Pc(L"b")));
    store.failRead = false;
    ASSERT_TRUE(book.Load());
    store.failWrite = true;
    EXPECT_EQ(PcChange::WriteFailed, book.Edit(0, Pc(L"renamed")));
    EXPECT_EQ(L"a", book.List().Pcs()[0].name);
    EXPECT_EQ("Name,MAC\r\na,001122334455\r\n", store.bytes);
}

}  // namespace
