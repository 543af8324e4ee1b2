#include "menu/input_data_file_exception.h"

InputDataFileException::InputDataFileException(const std::string& message) : message(message) {}

std::string InputDataFileException::Message() const
{
    return message;
}
