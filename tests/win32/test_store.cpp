// The registry store: a wrong key, a lost value or a write over another copy's records loses the
// player's settings or records between runs.
#include "TwoCopies.h"
#include "WindowsTest.h"

class Store : public ::testing::Test {
protected:
    std::wstring key = testkey();
    ~Store() override { RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str()); }
};

TEST_F(Store, ValuesRoundTripUnderTheSectionsKeys) {
    const std::string names[] = {"",       "  spaced  ", "Ёлка, ель",
                                 "a=b; c", "\"quoted\"", "back\\slash"};
    {
        RegistryStore store(key);
        for (int i = 0; i < 6; ++i) {
            store.write("TopScores", "Name " + std::to_string(i + 1), names[i]);
        }
        store.write("Options", "Sound", "False");
    }
    RegistryStore again(key);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(again.read("TopScores", "Name " + std::to_string(i + 1)), names[i]) << i;
    }
    EXPECT_EQ(again.read("Options", "Sound"), "False");
    EXPECT_FALSE(again.read("Options", "Level").has_value());
    // Where a player finds them: a key a section, text values.
    wchar_t text[16] = {};
    DWORD size = sizeof text;
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, (key + L"\\Options").c_str(), L"Sound", RRF_RT_REG_SZ,
                           nullptr, text, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(text), L"False");
    // A value that is not text is missing, and its row's default applies.
    DWORD number = 5;
    RegSetKeyValueW(HKEY_CURRENT_USER, (key + L"\\Options").c_str(), L"Level", REG_DWORD, &number,
                    sizeof number);
    EXPECT_FALSE(again.read("Options", "Level").has_value());
}

// Two copies on one store: neither loses the other's record, and none is stored twice.
TEST_F(Store, TwoCopiesKeepEachOthersRecords) {
    RegistryStore storea(key), storeb(key);
    TwoCopies copies;
    copies.play(storea, storeb);
    RegistryStore again(key);
    EXPECT_EQ(again.read("TopScores", "Name 1"), "Борис");
    EXPECT_EQ(again.read("TopScores", "Record 1"), "300");
    EXPECT_EQ(again.read("TopScores", "Name 2"), "Аня");
    EXPECT_EQ(again.read("TopScores", "Name 3"), "-");
    EXPECT_EQ(copies.a.topname(), copies.b.topname());
}
