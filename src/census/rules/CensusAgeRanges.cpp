#include "census/rules/CensusAgeRanges.h"

#include <algorithm>

namespace vantel::census {

// The intervals are the program's own reading of each census's ranges; some do
// not follow a single formula (the "Under 10" ranges of 1800 and 1810 stop one
// year before their census, 1840 "Under 5" is cut at the last candidate year,
// "100 and Over" covers ten years), so they are written out, not derived.
const std::array<AgeRange, kAgeRangeCount> CensusAgeRanges{{
    {1790, "Frame1790M", "Opt1790M_1", "Under 16", 1775, 1790},
    {1790, "Frame1790M", "Opt1790M_2", "16 and Over", 1690, 1774},
    {1790, "Frame1790F", "Opt1790F_1", "All Females", 1690, 1790},
    {1800, "Frame1800", "Opt1800_1", "Under 10", 1791, 1799},
    {1800, "Frame1800", "Opt1800_2", "10 Thru 15", 1785, 1790},
    {1800, "Frame1800", "Opt1800_3", "16 Thru 25", 1775, 1784},
    {1800, "Frame1800", "Opt1800_4", "26 Thru 44", 1756, 1774},
    {1800, "Frame1800", "Opt1800_5", "45 and Over", 1700, 1755},
    {1810, "Frame1810", "Opt1810_1", "Under 10", 1801, 1809},
    {1810, "Frame1810", "Opt1810_2", "10 Thru 15", 1795, 1800},
    {1810, "Frame1810", "Opt1810_3", "16 Thru 25", 1785, 1794},
    {1810, "Frame1810", "Opt1810_4", "26 Thru 44", 1766, 1784},
    {1810, "Frame1810", "Opt1810_5", "45 and Over", 1710, 1765},
    {1820, "Frame1820", "Opt1820_1", "Under 10", 1811, 1820},
    {1820, "Frame1820", "Opt1820_2", "10 Thru 15", 1805, 1810},
    {1820, "Frame1820", "Opt1820_3", "16 Thru 18", 1802, 1804},
    {1820, "Frame1820", "Opt1820_4", "16 Thru 25", 1795, 1804},
    {1820, "Frame1820", "Opt1820_5", "26 Thru 44", 1776, 1794},
    {1820, "Frame1820", "Opt1820_6", "45 and Over", 1720, 1775},
    {1830, "Frame1830", "Opt1830_1", "Under 5", 1826, 1830},
    {1830, "Frame1830", "Opt1830_2", "5 Thru 9", 1821, 1825},
    {1830, "Frame1830", "Opt1830_3", "10 Thru 14", 1816, 1820},
    {1830, "Frame1830", "Opt1830_4", "15 Thru 19", 1811, 1815},
    {1830, "Frame1830", "Opt1830_5", "20 Thru 29", 1801, 1810},
    {1830, "Frame1830", "Opt1830_6", "30 Thru 39", 1791, 1800},
    {1830, "Frame1830", "Opt1830_7", "40 Thru 49", 1781, 1790},
    {1830, "Frame1830", "Opt1830_8", "50 Thru 59", 1771, 1780},
    {1830, "Frame1830", "Opt1830_9", "60 Thru 69", 1761, 1770},
    {1830, "Frame1830", "Opt1830_10", "70 Thru 79", 1751, 1760},
    {1830, "Frame1830", "Opt1830_11", "80 Thru 89", 1741, 1750},
    {1830, "Frame1830", "Opt1830_12", "90 Thru 99", 1731, 1740},
    {1830, "Frame1830", "Opt1830_13", "100 and Over", 1721, 1730},
    {1840, "Frame1840", "Opt1840_1", "Under 5", 1836, 1839},
    {1840, "Frame1840", "Opt1840_2", "5 Thru 9", 1831, 1835},
    {1840, "Frame1840", "Opt1840_3", "10 Thru 14", 1826, 1830},
    {1840, "Frame1840", "Opt1840_4", "15 Thru 19", 1821, 1825},
    {1840, "Frame1840", "Opt1840_5", "20 Thru 29", 1811, 1820},
    {1840, "Frame1840", "Opt1840_6", "30 Thru 39", 1801, 1810},
    {1840, "Frame1840", "Opt1840_7", "40 Thru 49", 1791, 1800},
    {1840, "Frame1840", "Opt1840_8", "50 Thru 59", 1781, 1790},
    {1840, "Frame1840", "Opt1840_9", "60 Thru 69", 1771, 1780},
    {1840, "Frame1840", "Opt1840_10", "70 Thru 79", 1761, 1770},
    {1840, "Frame1840", "Opt1840_11", "80 Thru 89", 1751, 1760},
    {1840, "Frame1840", "Opt1840_12", "90 Thru 99", 1741, 1750},
    {1840, "Frame1840", "Opt1840_13", "100 and Over", 1731, 1740},
}};

int censusIndex(int censusYear) {
  const auto* it = std::find(kCensusYears.begin(), kCensusYears.end(), censusYear);
  return it == kCensusYears.end() ? -1 : static_cast<int>(it - kCensusYears.begin());
}

}  // namespace vantel::census
