// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <ostream>
#include <string>

// Names a data-driven test row after its `name` field.
struct RowName {
    template <class Info> std::string operator()(const Info& row) const { return row.param.name; }
};

// Rows print as their name, not as a dump of their bytes.
#define VARNEL_PRINT_ROW_AS_NAME(Row)                                                              \
  inline void PrintTo(const Row& row, std::ostream* os)                                            \
  {                                                                                                \
    *os << row.name;                                                                               \
  }
