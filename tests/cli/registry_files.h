#pragma once
// A small registry in the form of the IEEE's CSV files, for --registry and lookups.

#include <string_view>

#include "support/temp_folder.h"

namespace macbatch::testing {

inline constexpr std::string_view csvHeader =
    "Registry,Assignment,Organization Name,Organization Address\r\n";

// Blocks inside blocks (MA-S in MA-M in MA-L), an IAB, a historic assignment
// with the local bit, and names that need care.
inline void writeRegistryFiles(const TempFolder& folder) {
  folder.write("oui.csv", std::string(csvHeader) +
                              "MA-L,70B3D5,IEEE Registration Authority,1 Main Street\r\n"
                              "MA-L,0050C2,IEEE Registration Authority,1 Main Street\r\n"
                              "MA-L,00000C,\"Cisco Systems, Inc\",2 Main Street\r\n"
                              "MA-L,00E0FC,CISCO-LIKE \"Quoted\" Ltd,3 Main Street\r\n"
                              "MA-L,AC1F6B,Société Générale 华为,4 Main Street\r\n"
                              "MA-L,02608C,3Com Corporation,5 Main Street\r\n");
  folder.write("mam.csv", std::string(csvHeader) + "MA-M,70B3D5A,Medium Block Company,6 Main Street\r\n");
  folder.write("oui36.csv", std::string(csvHeader) + "MA-S,70B3D5A12,Small Block Company,7 Main Street\r\n");
  folder.write("iab.csv", std::string(csvHeader) + "IAB,0050C2123,Individual Block Lab,9 Main Street\r\n");
}

}  // namespace macbatch::testing
