#pragma once
#include <string>

// Why a menu file could not be opened or read. Raised by the text file
// reader only; MenuDocument::Load turns it into an InputDataException, so it
// never reaches the window. Its message (ANSI code page) is the system's text
// for the failing call. Deliberately related to no other exception type,
// std::exception included, so that it is caught only where it is named.
class InputDataFileException {
public:
    explicit InputDataFileException(const std::string& message);

    std::string Message() const;

private:
    std::string message;
};
