#pragma once
#include <string>

// The section that the lines being read belong to.
enum class SectionState {
    None,
    Main,
    Language,
    Element,
};

// What the parser made of one line of a menu file.
enum class LineOutcome {
    Blank,               // nothing but white space
    SectionOpened,       // a known section header; section is the one it opens
    NotASection,         // starts with "[" but names no known section: the section goes on
    NoEquals,            // neither a section line nor a key line
    BeforeAnySection,    // a key line before the first section line
    UnknownKey,          // a key name that is none of the known keys
    WrongSection,        // a known key that the current section does not take
    Stored,              // the value was taken
    KeptEarlier,         // a second text for a language code: the first one stays
    Replaced,            // a Picture, Command or Locale that replaces an earlier one
    MarkerNotRecognised, // a Marker that is neither Primary nor Secondary: the marker stays
    AfterLastLineBreak,  // text that no line break ends: it is never read
};

// One line as the parser saw it. The key fields are filled for key lines only.
struct MenuLineReport {
    int number = 0; // 1-based; a line is the text up to a line break
    LineOutcome outcome = LineOutcome::Blank;
    SectionState section = SectionState::None;
    std::wstring text;      // the line, trimmed
    std::wstring keyName;   // as written, without its suffix
    bool hasSuffix = false; // the key has a "_" suffix
    std::string languageCode;
    std::wstring value;
    bool takesLanguage = false; // a known key stored per language; others ignore a suffix
    bool ansiValue = false;     // a known key whose value is converted to the ANSI code page
};

// Listens to the parser's decisions, line by line. Kiveron itself reads its
// menus without one; the menu checker uses one to tell authors what became
// of each line, from the very code that reads the menu at the drive.
class MenuFileObserver {
public:
    virtual void OnLine(const MenuLineReport& report) = 0;

protected:
    ~MenuFileObserver() = default;
};
