// Times MenuDocument::Load on generated menus of growing size, to show that
// loading stays linear in the size of the file. Prints, per menu, the file
// size and the best time of several loads, then the ratio of the largest to
// the smallest. Targets: about 1 MiB (8,000 entries) in at most 50 ms, and
// eight times the entries in at most ten times the time.

#include "menu/menu_document.h"
#include "support/temp_folder.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

const int kRuns = 7;
const char* const kLanguages[] = {"en", "de", "fr"};

// A menu of the size given, CR LF line breaks, three languages: every entry
// has a name and a description per language and a command.
std::string GenerateMenu(int entryCount)
{
    std::string menu = "\xEF\xBB\xBF[Main]\r\nCaption=Benchmark\r\nPicture=menu.bmp\r\n";
    for (const char* language : kLanguages)
        menu += std::string("[Language]\r\nLocale=") + language + "\r\nName=" + language + "\r\n";
    for (int i = 0; i < entryCount; ++i) {
        const std::string number = std::to_string(i);
        menu += "[Element]\r\n";
        for (const char* language : kLanguages)
            menu += std::string("Name_") + language + "=Item " + number + "\r\n";
        for (const char* language : kLanguages)
            menu += std::string("Description_") + language + "=About " + number + "\r\n";
        menu += "Command=bin\\" + number + ".exe\r\n";
    }
    return menu;
}

double Seconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

// The best of several loads, each into a fresh document.
double BestLoadSeconds(const std::string& path, std::size_t expectedEntries)
{
    double best = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        MenuDocument document;
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&start);
        document.Load(path);
        QueryPerformanceCounter(&end);
        if (document.GetElements().size() != expectedEntries) {
            std::printf("wrong number of entries loaded\n");
            return -1;
        }
        const double seconds = Seconds(start, end);
        if (seconds < best)
            best = seconds;
    }
    return best;
}

} // namespace

int main()
{
    try {
        TempFolder folder;
        const int sizes[] = {2000, 4000, 8000, 16000};
        double times[4] = {};
        std::printf("%8s %12s %10s\n", "entries", "bytes", "best ms");
        for (int i = 0; i < 4; ++i) {
            const std::string menu = GenerateMenu(sizes[i]);
            const std::string path = folder.WriteFile("bench.lst", menu);
            times[i] = BestLoadSeconds(path, static_cast<std::size_t>(sizes[i]));
            if (times[i] < 0)
                return 1;
            std::printf("%8d %12zu %10.2f\n", sizes[i], menu.size(), times[i] * 1000.0);
        }
        std::printf("16000/2000 time ratio: %.2f (entries ratio 8)\n", times[3] / times[0]);
        return 0;
    } catch (const InputDataException& error) {
        std::printf("cannot load: %s\n", error.Message().c_str());
    } catch (const std::exception& error) {
        std::printf("failed: %s\n", error.what());
    }
    return 1;
}
