// The structure check of compiled catalogues: the built catalogues pass it,
// damaged ones fail it, and any single changed byte either fails it or
// leaves a catalogue that every message of the program can be looked up in.
#include <gtest/gtest.h>

#include <QTranslator>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "driver/catalogue_check.h"
#include "tests/cli_harness.h"

namespace {

const std::string locale_dir = std::string(KOVAR_TREE) + "/lib/locale/";

std::string catalogue(const std::string& name) {
  const std::optional<std::string> bytes = read_file(locale_dir + name);
  if (!bytes) throw std::runtime_error("no catalogue " + name);
  return *bytes;
}

bool sound(const std::string& bytes) {
  return catalogue_is_sound(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

uint32_t read32(const std::string& b, size_t at) {
  return (uint32_t{static_cast<unsigned char>(b[at])} << 24) | (uint32_t{static_cast<unsigned char>(b[at + 1])} << 16) |
         (uint32_t{static_cast<unsigned char>(b[at + 2])} << 8) | static_cast<unsigned char>(b[at + 3]);
}

void write32(std::string& b, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(value >> (24 - 8 * i));
}

// Offset of the data of the first section tagged `tag`.
size_t section(const std::string& b, unsigned char tag) {
  for (size_t at = 16; at + 5 <= b.size(); at += 5 + read32(b, at + 1))
    if (static_cast<unsigned char>(b[at]) == tag) return at + 5;
  throw std::runtime_error("no such section");
}

constexpr unsigned char hashes_tag = 0x42, messages_tag = 0x69;

// Every message the program asks for, a few per context, as the catalogue
// holds them: looked up in each changed catalogue that passes the check.
void look_up_everything(const std::string& bytes) {
  QTranslator translator;
  if (!translator.load(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()))) return;
  for (const char* context : {"Error", "Message", "Fatal Error", "Chop Usage", "Version", "PLOVIdent", "Nothing"}) {
    translator.translate(context, "Error : can't open file \"%1\"\n", "%1 is a afile name");
    translator.translate(context, "Writting %1\n", "%1 is a file name");
    translator.translate(context, "Kovar", nullptr);
    translator.translate(context, "default", nullptr);
  }
}

TEST(CatalogueCheck, BuiltCataloguesAreSound) {
  for (const char* name : {"orvchoptags_fr.qm", "orvchoptags_de.qm", "plovident_fr.qm", "plovident_de.qm"})
    EXPECT_TRUE(sound(catalogue(name))) << name;
}

// One way to damage a catalogue.
struct Damage {
  const char* name;
  std::function<void(std::string&)> apply;
};

void PrintTo(const Damage& damage, std::ostream* os) { *os << damage.name; }

class CatalogueDamageTest : public ::testing::TestWithParam<Damage> {};

TEST_P(CatalogueDamageTest, FailsTheCheck) {
  std::string bytes = catalogue("orvchoptags_fr.qm");
  GetParam().apply(bytes);
  EXPECT_FALSE(sound(bytes));
}

const Damage damages[] = {
    {"Empty", [](std::string& b) { b.clear(); }},
    {"WrongMagic", [](std::string& b) { b[3] ^= 1; }},
    {"CutInTheMessages", [](std::string& b) { b.resize(b.size() - 40); }},
    {"SectionLongerThanTheFile", [](std::string& b) { write32(b, 17, static_cast<uint32_t>(b.size())); }},
    // The built catalogues have no context table: these add one.
    {"NoContextBuckets", [](std::string& b) { b += std::string("\x2f\0\0\0\x04\0\0\0\0", 9); }},
    {"ContextBucketPastTheTable",
     [](std::string& b) { b += std::string("\x2f\0\0\0\x04\0\x01\xff\xff", 9); }},
    {"ContextNameCut", [](std::string& b) { b += std::string("\x2f\0\0\0\x08\0\x01\0\x01\0\0\x03\x61", 13); }},
    {"MessageOffsetPastTheMessages",
     [](std::string& b) { write32(b, section(b, hashes_tag) + 4, 0x7fffffff); }},
    {"HashTableOfOddLength",
     [](std::string& b) {
       const size_t at = section(b, hashes_tag) - 4;
       write32(b, at, read32(b, at) - 4);
     }},
    {"TranslationLengthPastTheMessages",
     [](std::string& b) {
       // The first record begins with its translation: tag, then length.
       const size_t at = section(b, messages_tag);
       ASSERT_EQ(b[at], 3);
       write32(b, at + 1, 0xfffffffe);
     }},
    {"TwoMessageSections",
     [](std::string& b) {
       const size_t at = section(b, messages_tag) - 5;
       b += b.substr(at, 5 + read32(b, at + 1));
     }},
    {"DependsOnAnotherCatalogue",
     [](std::string& b) { b += std::string("\x96\x00\x00\x00\x04\x00\x00\x00\x00", 9); }},
};

INSTANTIATE_TEST_SUITE_P(Rows, CatalogueDamageTest, ::testing::ValuesIn(damages),
                         [](const auto& info) { return std::string(info.param.name); });

// Each byte of each built catalogue changed in two ways; a crash or a read
// outside the bytes (under the sanitizers) fails the test.
TEST(CatalogueCheck, EverySingleByteChangeIsRefusedOrHarmless) {
  for (const char* name : {"orvchoptags_fr.qm", "plovident_fr.qm"}) {
    const std::string original = catalogue(name);
    int refused = 0;
    for (size_t at = 0; at < original.size(); ++at) {
      for (const unsigned char change : {0x80, 0xff}) {
        std::string bytes = original;
        bytes[at] = static_cast<char>(bytes[at] ^ change);
        if (sound(bytes))
          look_up_everything(bytes);
        else
          ++refused;
      }
    }
    EXPECT_GT(refused, 0) << name;
  }
}

}  // namespace
