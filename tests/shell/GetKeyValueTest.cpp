// Reading one registry value: texts, 32-bit numbers, other types, and the
// reads that fail (no key, no value, a value longer than the buffer).
#include <gtest/gtest.h>

#include "shell/FakeRegistry.h"
#include "shell/SysInfo.h"
#include "support/QStringPrinting.h"

namespace vantel::test {
namespace {

// A text as the registry stores it, with its terminating zero.
QByteArray zeroEnded(const char* text) { return QByteArray(text) + '\0'; }

QByteArray bytes(std::initializer_list<quint8> list) {
  QByteArray b;
  for (quint8 c : list) b.append(static_cast<char>(c));
  return b;
}

struct Case {
  const char* name;
  QByteArray key;                     // the key asked for; "Tools" holds the values
  QList<FakeRegistry::Value> values;  // as the value "V" of "Tools", if any
  qint16 result;
  QString keyVal;  // KeyVal after the call; it is "before" when passed
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class GetKeyValueTest : public ::testing::TestWithParam<Case> {};

TEST_P(GetKeyValueTest, ReadsTheValueOrFailsWithAnEmptyText) {
  const Case& c = GetParam();
  FakeRegistry registry;
  registry.keys["Tools"];
  if (!c.values.isEmpty()) registry.keys["Tools"]["V"] = c.values.front();
  QString keyVal = "before";
  EXPECT_EQ(GetKeyValue(registry, Registry::kLocalMachine, c.key, "V", keyVal), c.result);
  EXPECT_EQ(keyVal, c.keyVal);
  // Every key opened is closed again; reading needs no more than read access.
  EXPECT_EQ(registry.closed, registry.opened.size());
  EXPECT_EQ(registry.access, QList<quint32>{Registry::kRead});
}

const QByteArray kLong(1023, 'x');

INSTANTIATE_TEST_SUITE_P(
    Values, GetKeyValueTest,
    ::testing::Values(
        Case{"Text",
             "Tools",
             {{Registry::kString, zeroEnded("C:\\Tools\\msinfo32.exe")}},
             -1,
             "C:\\Tools\\msinfo32.exe"},
        Case{"TextWithoutTerminatingZero", "Tools", {{Registry::kString, "abc"}}, -1, "abc"},
        Case{"EmptyText", "Tools", {{Registry::kString, zeroEnded("")}}, -1, ""},
        Case{"TextFillingTheBuffer",
             "Tools",
             {{Registry::kString, kLong + '\0'}},
             -1,
             QString(kLong)},
        Case{"TextLongerThanTheBuffer", "Tools", {{Registry::kString, kLong + "yz"}}, 0, ""},
        // 0A 00 00 01 is 16,777,226, not the 4,106 of "100A".
        Case{"NumberWithZeroBytesInside",
             "Tools",
             {{Registry::kNumber, bytes({0x0A, 0x00, 0x00, 0x01})}},
             -1,
             "16777226"},
        Case{"NumberWithHighZeroBytes",
             "Tools",
             {{Registry::kNumber, bytes({0x0A, 0x00, 0x00, 0x00})}},
             -1,
             "10"},
        Case{"NumberEveryByteTwoDigits",
             "Tools",
             {{Registry::kNumber, bytes({0x01, 0x02, 0x03, 0x04})}},
             -1,
             "67305985"},
        Case{"LargestNumber",
             "Tools",
             {{Registry::kNumber, bytes({0xFF, 0xFF, 0xFF, 0xFF})}},
             -1,
             "4294967295"},
        Case{"OtherTypeLeavesTheText", "Tools", {{3, bytes({0x01, 0x02})}}, -1, "before"},
        Case{"NoSuchValue", "Tools", {}, 0, ""},
        Case{"NoSuchKey", "Elsewhere", {{Registry::kString, "abc"}}, 0, ""}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantel::test
