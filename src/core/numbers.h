#pragma once

#include <QByteArrayView>
#include <QStringView>

#include <cstdint>

namespace vk {

// The number at the start of a text, read as a decimal reader does: blanks and
// tabs are skipped, an optional sign, digits, an optional "." with digits;
// reading stops at the first other character. No number gives 0.
double LeadingNumber(QStringView text);
double LeadingNumber(QByteArrayView text);

// Rounds to the nearest integer, halves to the even neighbour.
double RoundHalfEven(double v);

// Converts to a 16-bit integer with half-to-even rounding; throws VkError
// ("Überlauf") when out of range.
std::int16_t ToInt16(double v);

// Whether the whole text (blanks around it allowed) is a decimal number.
bool IsNumeric(QStringView text);

// Adds one to a 16-bit counter; throws VkError ("Überlauf") beyond 32767.
void Increment(std::int16_t& counter);
// Removes one; throws below -32768.
void Decrement(std::int16_t& counter);

} // namespace vk
