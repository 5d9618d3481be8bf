#pragma once
// Indexed members of the model components: reading outside the array gives a
// fixed answer, writing outside it does nothing.

#include <array>
#include <cstddef>
#include <utility>

template <class T, std::size_t N>
T func_ItemAt(const std::array<T, N>& items, int index, T outside = T{})
{
    return index >= 0 && static_cast<std::size_t>(index) < N ? items[static_cast<std::size_t>(index)] : outside;
}

template <class T, std::size_t N, class V>
void sub_SetItemAt(std::array<T, N>& items, int index, V&& value)
{
    if (index >= 0 && static_cast<std::size_t>(index) < N)
        items[static_cast<std::size_t>(index)] = std::forward<V>(value);
}
