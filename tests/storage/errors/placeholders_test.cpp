#include "storage/errors/placeholders.h"

#include <gtest/gtest.h>

using namespace bv;

namespace {
PlaceholderValues sample() {
  PlaceholderValues v;
  v.file = "Basicos.tps";
  v.field = "Código";
  v.message = "Por Codigo";
  v.procedure = "Principal";
  v.category = "ABC";
  v.previous = "antes";
  v.error = {40, "Clave duplicada", "28", "Disco lleno"};
  return v;
}
}  // namespace

TEST(Placeholders, ErrorTextDependsOnFileSystemError) {
  PlaceholderValues v = sample();
  EXPECT_EQ(substitutePlaceholders("Error: (%ErrorText)", v), "Error: (Clave duplicada (40))");
  v.error.code = 90;
  EXPECT_EQ(substitutePlaceholders("Error: (%ErrorText)", v), "Error: (Disco lleno (28))");
  EXPECT_EQ(substitutePlaceholders("%ErrorCode %Error", v), "90 Clave duplicada");
}

TEST(Placeholders, LongerNameIsNeverTakenForAShorterOne) {
  EXPECT_EQ(substitutePlaceholders("%ErrorText|%ErrorCode|%Error|%FileErrorCode|%FileError|%File|"
                                   "%Field|%Message|%Procedure|%Category|%Previous",
                                   sample()),
            "Clave duplicada (40)|40|Clave duplicada|28|Disco lleno|Basicos.tps|"
            "Código|Por Codigo|Principal|ABC|antes");
  // A name followed by letters still ends where the longest name ends.
  EXPECT_EQ(substitutePlaceholders("%Files %Errors", sample()), "Basicos.tpss Clave duplicadas");
}

TEST(Placeholders, CaseInsensitiveAndEveryOccurrence) {
  EXPECT_EQ(substitutePlaceholders("%file, %FILE, %fIlE; %errortext", sample()),
            "Basicos.tps, Basicos.tps, Basicos.tps; Clave duplicada (40)");
}

TEST(Placeholders, ValuesAreNotSubstitutedAgain) {
  PlaceholderValues v = sample();
  v.message = "100% de %File y %Message";
  v.file = "%Field.tps";
  EXPECT_EQ(substitutePlaceholders("%Message en %File", v),
            "100% de %File y %Message en %Field.tps");
  EXPECT_EQ(substitutePlaceholders("50% %Otro %", v), "50% %Otro %");
}

TEST(Placeholders, ResultIsCutToTheBuffer) {
  PlaceholderValues v = sample();
  v.message = QString(255, u'm');
  const QString text = QString("%Message").repeated(10);
  EXPECT_EQ(substitutePlaceholders(text, v), QString(kMessageBufferSize, u'm'));
}
