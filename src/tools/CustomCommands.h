// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// lumenary-db export and import: the user's own questions to and from files.

#include <string>
#include <vector>

namespace lumenary {

// export DB OUT [--subject NAME]... [--format csv|tsv]
int ExportCommand(const std::vector<std::string>& arguments);

// import DB IN --subject NAME [--update]
int ImportCommand(const std::vector<std::string>& arguments);

} // namespace lumenary
