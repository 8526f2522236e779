#pragma once
// Fields of the packed on-disk records may sit at odd addresses, and binding a
// reference to one is undefined. GoogleTest takes its arguments by reference,
// so a test copies such a field out first: EXPECT_EQ(Copy(e.Length), 600).

template <typename T>
constexpr T Copy(T value)
{
    return value;
}
