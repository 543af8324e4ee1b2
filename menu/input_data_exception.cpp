#include "menu/input_data_exception.h"

InputDataException::InputDataException(const std::string& message) : message(message) {}

std::string InputDataException::Message() const
{
    return message;
}
