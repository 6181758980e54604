#include "platform/variant.h"

#include <gtest/gtest.h>

#include "platform/exceptions.h"

using platform::Variant;

TEST(VariantTest, TextToIntegerFailsNamingTheText) {
  EXPECT_EQ(Variant("  42").AsInteger(), 42);
  EXPECT_EQ(Variant("-7").AsInteger(), -7);
  EXPECT_EQ(Variant("$1F").AsInteger(), 31);
  try {
    (void)Variant("12a").AsInteger();
    FAIL() << "no conversion error";
  } catch (const platform::EConvertError& e) {
    EXPECT_STREQ(e.what(), "'12a' is not a valid integer value");
  }
  EXPECT_THROW((void)Variant("99999999999").AsInteger(), platform::EConvertError);
  EXPECT_THROW((void)Variant("").AsInteger(), platform::EConvertError);
}

TEST(VariantTest, BooleansConvertThePlatformWay) {
  EXPECT_EQ(Variant(true).AsInteger(), -1);
  EXPECT_EQ(Variant(true).AsString(), "True");
  EXPECT_TRUE(Variant("TRUE").AsBoolean());
  EXPECT_FALSE(Variant("0").AsBoolean());
  EXPECT_TRUE(Variant(5).AsBoolean());
  EXPECT_THROW((void)Variant("maybe").AsBoolean(), platform::EConvertError);
  EXPECT_EQ(platform::IIF(false, Variant(1), Variant("b")), Variant("b"));
}
