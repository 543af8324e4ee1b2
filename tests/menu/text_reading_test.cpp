// The reading rules of menu files, through real files (cases in
// data/text-reading.txt).
#include "menu/text_file_reader.h"
#include "support/temp_folder.h"
#include "../graphics/table_rows.h"

#include <gtest/gtest.h>

#include <string>

// Each file is read twice: a second reading starts again from the start,
// and the text is handed over once.
TEST(TextReading, MarksChooseTheEncodingAndMalformedSequencesAreReplaced)
{
    TempFolder folder;
    for (const TableRow& row : TableRows(MENU_DATA_DIR "/text-reading.txt")) {
        const bool utf16 = row[0].find("utf16") == 0;
        for (int bigEndian = 0; bigEndian <= int(utf16); ++bigEndian) {
            std::string file = UnescapedBytes(row[1]);
            for (std::size_t i = 0; bigEndian && i + 1 < file.size(); i += 2)
                std::swap(file[i], file[i + 1]);
            file.insert(0, utf16 ? bigEndian ? "\xFE\xFF" : "\xFF\xFE" : "");
            TextFileReader reader(folder.WriteFile("text.lst", file));
            reader.Read();
            reader.Read();
            EXPECT_EQ(reader.ReleaseText(), Unescaped(row[2])) << row[1] << " " << bigEndian;
            EXPECT_EQ(reader.ReleaseText(), L"") << row[1];
        }
    }
}
