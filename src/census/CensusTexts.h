#pragma once
// Texts the census calculator writes into its form from more than one place.

#include <QString>

namespace vantel::census::text {

// The introduction the program puts back into TextDisplay, one paragraph.
inline const QString introduction = QStringLiteral(
    "Unlike later census years that listed all members of the household and the age at the time "
    "of the census, the 1790 - 1840 Census only list the head of the household and the number of "
    "persons who fell into certain age ranges.  If you are able to make an educated guess as to "
    "which age categories an ancestor belonged to in one or more census years, this calculator "
    "will combine the years and return the only possible years in which the person could have "
    "been born.");

// The starting caption of LblYourYears, also put back before every calculation.
inline const QString chooseCensusYears =
    QStringLiteral("To begin, choose from above the census year(s) you have information for.");

}  // namespace vantel::census::text
