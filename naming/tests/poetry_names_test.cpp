// The compiled-in names from the classics, their sources and how the sources read.

#include "naming/poetry_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "naming/name_pools.h"
#include "naming/poetry_citation.h"

namespace morvenda {
namespace {

constexpr int Boy = 0;
constexpr int Girl = 1;
constexpr int Single = 0;
constexpr int Double = 1;
// A name's characters weigh more than this in the rank tables of its sex.
constexpr std::int32_t Threshold = 100;

NameCode Code(std::string_view first, std::string_view second = {}) {
    return MakeNameCode(FindCharIndex(first), second.empty() ? NoSecondChar : FindCharIndex(second));
}

bool Lists(int sex, int length, NameCode code) {
    const auto names = PoetryNames(sex, length);
    return std::find(names.begin(), names.end(), code) != names.end();
}

std::string Joined(const MarkedText& text) {
    std::string out;
    for (const TextPiece& piece : text) out += piece.Text;
    return out;
}

std::vector<std::string> MarkedPieces(const MarkedText& text) {
    std::vector<std::string> out;
    for (const TextPiece& piece : text) {
        if (piece.Marked)
            out.push_back(piece.Text);
    }
    return out;
}

std::map<CharIndex, std::int32_t> Weights(int sex, int position) {
    const NamePoolSet& pools = NamePools(sex);
    std::map<CharIndex, std::int32_t> weights;
    for (const RankRecord& record : (position == 1 ? pools.Position1 : pools.Position2)) {
        weights.emplace(record.CharIndex, record.Weight);
    }
    return weights;
}

// The characters of a piece of verse, quotation and book-title marks left out.
int CharactersOf(std::string_view verse) {
    constexpr std::string_view Quotes = "“”「」『』《》";
    int count = 0;
    for (std::size_t i = 0; i < verse.size();) {
        const auto lead = static_cast<unsigned char>(verse[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (Quotes.find(verse.substr(i, length)) == std::string_view::npos) {
            ++count;
        }
        i += length;
    }
    return count;
}

struct KnownName {
    const char* First;
    const char* Second;
    bool Boy;
    bool Girl;
    const char* Title;
    const char* Sentence;  // the first one of the classics that holds the name
};

// Names of 关雎 and 离骚 whose characters weigh enough for the sexes given. 淑女 stands in four
// sentences of 关雎 and keeps the first; 女 weighs too little as a boy's second character.
constexpr KnownName KnownNames[] = {
    {"淑", "女", false, true, "关雎", "窈窕淑女，君子好逑。"},
    {"君", "子", true, true, "关雎", "窈窕淑女，君子好逑。"},
    {"灵", "均", true, true, "离骚", "皇览揆余初度兮，肇锡余以嘉名：名余曰正则兮，字余曰灵均。"},
    {"正", "则", true, false, "离骚", "皇览揆余初度兮，肇锡余以嘉名：名余曰正则兮，字余曰灵均。"},
    {"嘉", "名", true, false, "离骚", "皇览揆余初度兮，肇锡余以嘉名：名余曰正则兮，字余曰灵均。"},
    {"秋", "兰", true, true, "离骚", "扈江离与辟芷兮，纫秋兰以为佩。"},
};

TEST(PoetryNamesTest, KnownNamesOfGuanjuAndLisaoStandForTheirSexesWithTheirFirstLine) {
    for (const KnownName& known : KnownNames) {
        const std::string name = std::string(known.First) + known.Second;
        const NameCode code = Code(known.First, known.Second);
        EXPECT_EQ(Lists(Boy, Double, code), known.Boy) << name;
        EXPECT_EQ(Lists(Girl, Double, code), known.Girl) << name;
        const auto source = FindVerseSource(code);
        ASSERT_TRUE(source) << name;
        EXPECT_EQ(source->Poem.Title, known.Title) << name;
        EXPECT_EQ(source->SentenceText(), known.Sentence) << name;
        EXPECT_EQ(source->SentenceText().substr(source->First.Offset, source->First.Length),
                  known.First)
            << name;
        EXPECT_EQ(source->SentenceText().substr(source->Second.Offset, source->Second.Length),
                  known.Second)
            << name;
    }
}

TEST(PoetryNamesTest, RejectsAPairWhoseCharactersNoParentGives) {
    // 窈窕 opens the best-known line of 关雎, but neither character weighs more than 40 in any
    // rank table, far below the threshold.
    const NameCode code = Code("窈", "窕");
    for (const int sex : {Boy, Girl}) {
        EXPECT_FALSE(Lists(sex, Double, code)) << "sex " << sex;
        EXPECT_LE(Weights(sex, 1).at(FindCharIndex("窈")), Threshold) << "sex " << sex;
        EXPECT_LE(Weights(sex, 2).at(FindCharIndex("窕")), Threshold) << "sex " << sex;
    }
    EXPECT_FALSE(FindVerseSource(code));
}

// Every listed name: its characters weigh enough for the sex at their places, and its source
// sentence holds them there, in order, in one line and at most three characters apart.
TEST(PoetryNamesTest, EveryListedNameFitsItsSexAndStandsInItsSourceLine) {
    constexpr std::string_view LineBreaks[] = {"，", "。", "；", "：", "！", "？", "、"};
    for (const int sex : {Boy, Girl}) {
        const auto first = Weights(sex, 1);
        const auto second = Weights(sex, 2);
        for (const int length : {Single, Double}) {
            const auto names = PoetryNames(sex, length);
            ASSERT_FALSE(names.empty()) << "sex " << sex << " length " << length;
            for (const NameCode code : names) {
                const auto one = FirstGivenChar(code);
                const auto two = SecondGivenChar(code);
                const std::string text = NameCodeToText(code);
                const auto source = FindVerseSource(code);
                ASSERT_TRUE(source) << text;
                const std::string_view sentence = source->SentenceText();
                ASSERT_EQ(sentence.substr(source->First.Offset, source->First.Length), Glyph(one))
                    << text;
                if (length == Single) {
                    ASSERT_EQ(two, static_cast<CharIndex>(NoSecondChar)) << text;
                    ASSERT_EQ(source->Second.Length, 0u) << text;
                    ASSERT_GT(std::max(first.at(one), second.at(one)), Threshold) << text;
                    continue;
                }
                ASSERT_NE(one, two) << text;
                ASSERT_GT(first.at(one), Threshold) << text;
                ASSERT_GT(second.at(two), Threshold) << text;
                ASSERT_EQ(sentence.substr(source->Second.Offset, source->Second.Length), Glyph(two))
                    << text;
                ASSERT_LT(source->First.Offset, source->Second.Offset) << text;
                const std::string_view between = sentence.substr(
                    source->First.Offset, source->Second.Offset - source->First.Offset);
                for (const std::string_view mark : LineBreaks) {
                    ASSERT_EQ(between.find(mark), std::string_view::npos) << text;
                }
                ASSERT_LE(CharactersOf(between), 3) << text;
            }
        }
    }
}

TEST(PoetryNamesTest, LengthsOutsideTheListGiveNoNames) {
    EXPECT_TRUE(PoetryNames(Boy, -1).empty());
    EXPECT_TRUE(PoetryNames(Girl, 2).empty());
}

TEST(PoetryNamesTest, CodesOutsideTheClassicsHaveNoSource) {
    EXPECT_FALSE(FindVerseSource(Code("窈", "窕")));
    EXPECT_FALSE(FindVerseSource(0xFFFFFFFFu));
    EXPECT_FALSE(FindVerseSource(SingleNameCode(CharCount)));
}

TEST(VerseCitationTest, NamesTheTitleTheWorkAndItsSectionThenTheLineWithTheNameMarked) {
    const MarkedText citation = VerseCitation(Code("淑", "女"));
    EXPECT_EQ(Joined(citation), "《关雎》（诗经·国风·周南）：窈窕淑女，君子好逑。");
    EXPECT_EQ(MarkedPieces(citation), (std::vector<std::string>{"淑", "女"}));
}

TEST(VerseCitationTest, PutsAKnownAuthorBeforeTheLineAndNamesAPieceOfItsOwnSectionOnce) {
    const MarkedText citation = VerseCitation(Code("秋", "兰"));
    EXPECT_EQ(Joined(citation), "《离骚》（楚辞）屈原：扈江离与辟芷兮，纫秋兰以为佩。");
    // Adjacent characters stay two marked pieces, one per character of the name.
    EXPECT_EQ(MarkedPieces(citation), (std::vector<std::string>{"秋", "兰"}));
}

TEST(VerseCitationTest, MarksTheOneCharacterOfASingleName) {
    const MarkedText citation = VerseCitation(Code("淑"));
    EXPECT_EQ(Joined(citation), "《关雎》（诗经·国风·周南）：窈窕淑女，君子好逑。");
    EXPECT_EQ(MarkedPieces(citation), std::vector<std::string>{"淑"});
}

TEST(VerseCitationTest, IsEmptyForANameOutsideTheClassics) {
    EXPECT_TRUE(VerseCitation(Code("窈", "窕")).empty());
}

TEST(SourcePoemTest, GivesTheWholePoemWithTheNameMarkedInItsSentenceOnly) {
    const auto poem = RenderSourcePoem(Code("淑", "女"));
    ASSERT_TRUE(poem);
    EXPECT_EQ(poem->Title, "关雎");
    EXPECT_EQ(poem->Origin, "诗经·国风·周南");
    EXPECT_EQ(poem->Author, "");
    ASSERT_EQ(poem->Sentences.size(), 10u);
    EXPECT_EQ(Joined(poem->Sentences.front()), "关关雎鸠，在河之洲。");
    EXPECT_EQ(Joined(poem->Sentences.back()), "窈窕淑女，钟鼓乐之。");
    EXPECT_EQ(poem->SourceSentence, 1u);
    for (std::size_t s = 0; s < poem->Sentences.size(); ++s) {
        EXPECT_EQ(MarkedPieces(poem->Sentences[s]).size(), s == 1 ? 2u : 0u) << s;
    }
    EXPECT_EQ(Joined(poem->Sentences[1]), "窈窕淑女，君子好逑。");
}

TEST(SourcePoemTest, KeepsTheAuthorAndIsAbsentOutsideTheClassics) {
    const auto poem = RenderSourcePoem(Code("灵", "均"));
    ASSERT_TRUE(poem);
    EXPECT_EQ(poem->Title, "离骚");
    EXPECT_EQ(poem->Origin, "楚辞");
    EXPECT_EQ(poem->Author, "屈原");
    EXPECT_FALSE(RenderSourcePoem(Code("窈", "窕")));
}

}  // namespace
}  // namespace morvenda
