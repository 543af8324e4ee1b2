#pragma once
#include <string>

// Why a menu could not be loaded: the only error that leaves
// MenuDocument::Load. Its message (ANSI code page) is the system's text for
// the failing I/O call, ready to be shown as it is. Deliberately related to
// no other exception type, std::exception included, so that it is caught
// only where it is named.
class InputDataException {
public:
    explicit InputDataException(const std::string& message);

    std::string Message() const;

private:
    std::string message;
};
