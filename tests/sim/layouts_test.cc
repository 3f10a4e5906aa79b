// The byte records of the adapter library: writers put every field where the layouts
// fix it, readers refuse what does not fit.
#include "adapter/layouts.h"

#include <gtest/gtest.h>

namespace airvane {
namespace {

TEST(LayoutsTest, AdapterListEntryFieldsAndCuts) {
    AdapterListRecord record;
    record.fill(0xEE);
    std::string long_name(300, 'n');
    long_name[258] = '\xC3';  // a two-byte character across the field's end
    long_name[259] = '\xA9';
    WriteAdapterListEntry({long_name, "Desc", "00071"}, &record);
    EXPECT_EQ(record[257], 'n');
    EXPECT_EQ(record[258], 0) << "the cut keeps whole characters";
    EXPECT_EQ(record[259], 0);
    EXPECT_EQ(record[260], 'D');
    EXPECT_EQ(record[264], 0);
    EXPECT_EQ(record[519], 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(&record[520]), 4), "0007");
    EXPECT_EQ(record[524], 0);
    AdapterListEntry back = ReadAdapterListEntry(record);
    EXPECT_EQ(back.device_name, std::string(258, 'n'));
    EXPECT_EQ(back.description, "Desc");
    EXPECT_EQ(back.driver_key, "0007");
}

TEST(LayoutsTest, SurveyBufferRoundTripsAndRejectsBadLengths) {
    SurveyEntry e;
    e.bssid = {2, 0, 0, 0, 0, 1};
    e.ssid = {'a', 'b'};
    e.privacy = 1;
    e.rssi_dbm = -71;
    e.frequency_khz = 2437000;
    e.infrastructure_mode = 1;
    e.elements = {0, 2, 'a', 'b', 3, 1, 6};
    std::vector<uint8_t> buffer(4 + SurveyEntrySize(e) * 2);
    ASSERT_EQ(SurveyEntrySize(e), 136u);
    ASSERT_TRUE(WriteSurveyBuffer({e, e}, buffer));
    EXPECT_FALSE(WriteSurveyBuffer({e, e, e}, buffer));
    EXPECT_EQ(buffer[4 + 112], 19) << "element area counts the 12 fixed bytes";
    EXPECT_EQ(buffer[4 + 52], 0xB9) << "-71 little-endian";
    std::vector<SurveyEntry> read;
    ASSERT_TRUE(ReadSurveyBuffer(buffer, &read));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].rssi_dbm, -71);
    EXPECT_EQ(read[1].elements, e.elements);
    EXPECT_EQ(read[1].frequency_khz, 2437000u);

    struct Row {
        const char* name;
        size_t offset;
        uint8_t value;
    };
    const Row rows[] = {
        {"count beyond the entries", 0, 3},
        {"entry length beyond the buffer", 4 + 136 + 1, 0x10},
        {"entry shorter than its fixed part", 4, 20},
        {"SSID longer than 32", 4 + 12, 33},
        {"element area beyond the entry", 4 + 112, 200},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<uint8_t> bad = buffer;
        bad[row.offset] = row.value;
        EXPECT_FALSE(ReadSurveyBuffer(bad, &read));
    }
}

TEST(LayoutsTest, KeyRecordsCarryTheirFieldsAndLengths) {
    KeyRecord key{
        0xE0000000u, {1, 2, 3, 4, 5, 6}, 0x0102030405060708ull, std::vector<uint8_t>(16, 0x33)};
    std::vector<uint8_t> bytes = BuildKeyRecord(key);
    ASSERT_EQ(bytes.size(), 55u);
    EXPECT_EQ(bytes[0], 55);
    EXPECT_EQ(bytes[7], 0xE0);
    EXPECT_EQ(bytes[8], 16);
    EXPECT_EQ(bytes[12], 1);
    EXPECT_EQ(bytes[18], 0);
    EXPECT_EQ(bytes[24], 0x08);
    EXPECT_EQ(bytes[32], 0x33);
    KeyRecord back;
    ASSERT_TRUE(ParseKeyRecord(bytes, &back));
    EXPECT_EQ(back.rsc, key.rsc);
    EXPECT_EQ(back.key, key.key);
    bytes.pop_back();
    EXPECT_FALSE(ParseKeyRecord(bytes, &back)) << "length word no longer matches";

    std::vector<uint8_t> wep = BuildWepKeyRecord({0x80000002u, {1, 2, 3, 4, 5}});
    ASSERT_EQ(wep.size(), 20u);
    EXPECT_EQ(wep[4], 2);
    EXPECT_EQ(wep[7], 0x80);
    EXPECT_EQ(wep[12], 1);
    WepKeyRecord wback;
    EXPECT_TRUE(ParseWepKeyRecord(wep, &wback));
    wep[8] = 6;
    EXPECT_FALSE(ParseWepKeyRecord(wep, &wback));

    std::vector<uint8_t> pmkid = BuildPmkidList({{{1, 2, 3, 4, 5, 6}, {9}}});
    ASSERT_EQ(pmkid.size(), 32u);
    EXPECT_EQ(pmkid[4], 1);
    EXPECT_EQ(pmkid[8], 1);
    EXPECT_EQ(pmkid[14], 9);
    std::vector<PmkidEntry> entries;
    EXPECT_TRUE(ParsePmkidList(pmkid, &entries));
    pmkid[4] = 2;
    EXPECT_FALSE(ParsePmkidList(pmkid, &entries)) << "two entries do not fit 32 bytes";
}

TEST(LayoutsTest, MacListAndDriverInfoAndAssociationInfo) {
    MacList list{};
    list[15] = {true, {0xAA, 0, 0, 0, 0, 0xBB}};
    std::vector<uint8_t> bytes(kMacListSize);
    ASSERT_TRUE(WriteMacList(list, bytes));
    EXPECT_EQ(bytes[105], 1);
    EXPECT_EQ(bytes[106], 0xAA);
    EXPECT_EQ(bytes[111], 0xBB);
    std::vector<uint8_t> short_list(111);
    EXPECT_FALSE(ReadMacList(short_list, &list));

    std::vector<uint8_t> info(kDriverInfoSize);
    ASSERT_TRUE(WriteDriverInfo({0x01020304, 7, 4, 3, 3}, info));
    EXPECT_EQ(info[12], 4);
    EXPECT_EQ(info[16], 3);
    DriverInfo d;
    ASSERT_TRUE(ReadDriverInfo(info, &d));
    EXPECT_EQ(d.driver_version, 0x01020304u);

    AssociationInfo a;
    a.request_elements = {48, 2, 1, 0};
    a.response_elements = {1, 1, 0x82};
    std::vector<uint8_t> rec = BuildAssociationInfo(a);
    EXPECT_EQ(rec[20], 40) << "request elements follow the header";
    EXPECT_EQ(rec[36], 44);
    EXPECT_EQ(rec[40], 48);
    AssociationInfo back;
    ASSERT_TRUE(ParseAssociationInfo(rec, &back));
    EXPECT_EQ(back.response_elements, a.response_elements);
    rec[36] = 250;
    EXPECT_FALSE(ParseAssociationInfo(rec, &back));
}

}  // namespace
}  // namespace airvane
