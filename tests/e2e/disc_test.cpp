#include "disc_test.h"

#include "resources/resource_ids.h"

void DiscTest::SetUp()
{
    ASSERT_TRUE(disc.Mapped()) << "Wine's mount manager did not map a drive for the disc";
}

std::string DiscTest::PutRecorder(const std::string& name) const
{
    EXPECT_TRUE(disc.CopyIn(RECORD_ARGS_EXE, name)) << name;
    return disc.PathOf(name.substr(0, name.find_last_of('.')) + ".txt");
}

std::string DiscTest::RecordedCommandLine(const std::string& record)
{
    return record.substr(0, record.find('\n'));
}

std::string DiscTest::RecordedFolder(const std::string& record)
{
    const std::string::size_type start = record.find('\n');
    if (start == std::string::npos)
        return std::string();
    return record.substr(start + 1, record.find('\n', start + 1) - start - 1);
}

int DiscTest::RowCount(const DiscMenu& menu)
{
    return static_cast<int>(SendMessageA(menu.Control(IDC_MENU_LIST), LB_GETCOUNT, 0, 0));
}

int DiscTest::LanguageCount(const DiscMenu& menu)
{
    return static_cast<int>(SendMessageA(menu.Control(IDC_LANGUAGE_COMBO), CB_GETCOUNT, 0, 0));
}
