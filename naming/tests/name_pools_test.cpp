#include "naming/name_pools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <stdlib.h>

namespace morvenda {
namespace {

constexpr int Male = 0;
constexpr int Female = 1;

using RankSpan = std::span<const RankRecord, RankTableSize>;

RankSpan Ranking(int sex, int position) {
    const NamePoolSet& pools = NamePools(sex);
    return position == 1 ? pools.Position1 : pools.Position2;
}

// Splits UTF-8 text into its characters.
std::vector<std::string> Characters(std::string_view text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        out.emplace_back(text.substr(i, length));
        i += length;
    }
    return out;
}

std::string RankedGlyphs(RankSpan ranking, int from, int count) {
    std::string out;
    for (int rank = from; rank < from + count; ++rank) out += Glyph(ranking[rank].CharIndex);
    return out;
}

struct SexCase {
    int sex;
    const char* label;
};
constexpr SexCase BothSexes[] = {{Male, "male"}, {Female, "female"}};

TEST(NamePoolsTest, SexIndexZeroSelectsTheMaleSetAndAnyOtherTheFemaleSet) {
    EXPECT_NE(&NamePools(0), &NamePools(1));
    for (int other : {1, 2, -1, 255}) EXPECT_EQ(&NamePools(other), &NamePools(Female)) << other;
    EXPECT_EQ(NameCodeToText(NamePools(0).PairPool[0]), "建华");
}

TEST(NamePoolsTest, BandBoundsAndQuotas) {
    for (const auto& [sex, label] : BothSexes) {
        EXPECT_EQ(NamePools(sex).BandBounds, (std::array<std::int32_t, 4>{100, 200, 300, 400}))
            << label;
    }
    EXPECT_EQ(BandQuotas, (std::array<std::int32_t, 4>{400, 300, 150, 50}));
}

TEST(PairPoolTest, HoldsDistinctTwoCharacterCodesOfValidRows) {
    for (const auto& [sex, label] : BothSexes) {
        const auto pool = NamePools(sex).PairPool;
        std::set<NameCode> seen;
        for (std::size_t i = 0; i < pool.size(); ++i) {
            const NameCode code = pool[i];
            ASSERT_LT(FirstGivenChar(code), CharCount) << label << " entry " << i;
            ASSERT_LT(SecondGivenChar(code), CharCount) << label << " entry " << i;
            ASSERT_TRUE(seen.insert(code).second) << label << " entry " << i << " repeats";
        }
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(PairPoolSize)) << label;
        // 华华, both halves row 0, is an ordinary name of the pool.
        EXPECT_TRUE(seen.contains(0)) << label;
    }
}

TEST(PairPoolTest, OpensAndClosesWithTheKnownNames) {
    struct Case {
        int sex;
        std::vector<std::string> first;
        std::vector<std::string> last;
    };
    const Case cases[] = {
        {Male,
         {"建华", "建军", "建国", "志强", "志刚", "建平", "国强", "晓东", "海波", "海涛"},
         {"细元", "夏海", "喜洲", "现兵", "仙云"}},
        {Female,
         {"海燕", "丽萍", "丽娟", "婷婷", "红梅", "丽华", "丽丽", "晓燕", "冬梅", "丽娜"},
         {"南浦", "傲之", "蔓云", "宛旋", "远步"}},
    };
    for (const Case& c : cases) {
        const auto pool = NamePools(c.sex).PairPool;
        for (std::size_t i = 0; i < c.first.size(); ++i) {
            EXPECT_EQ(NameCodeToText(pool[i]), c.first[i]) << c.sex << " entry " << i;
        }
        const std::size_t lastStart = pool.size() - c.last.size();
        for (std::size_t i = 0; i < c.last.size(); ++i) {
            EXPECT_EQ(NameCodeToText(pool[lastStart + i]), c.last[i]) << c.sex << " entry " << lastStart + i;
        }
    }
}


// The character counts behind the pools are noisy: characters of plainly ill meaning must not
// surface as pool names nor, by a weight above 100, as names offered alone.
TEST(PairPoolTest, NoNameIsMadeOfCharactersOfIllMeaning) {
    const std::vector<std::string> ill =
        Characters("夭殉毒患劫险碎肠蚊屠砷痴孤恨娠肪糊瓤颓畏冗讳死病");
    std::set<int> illRows;
    for (const std::string& glyph : ill) {
        ASSERT_LT(FindCharIndex(glyph), CharCount) << glyph;
        illRows.insert(FindCharIndex(glyph));
    }
    for (const auto& [sex, label] : BothSexes) {
        for (const NameCode code : NamePools(sex).PairPool) {
            EXPECT_FALSE(illRows.contains(FirstGivenChar(code)) ||
                         illRows.contains(SecondGivenChar(code)))
                << label << " pool holds " << NameCodeToText(code);
        }
        for (const int position : {1, 2}) {
            for (const RankRecord& record : Ranking(sex, position)) {
                EXPECT_FALSE(record.Weight > 100 && illRows.contains(record.CharIndex))
                    << label << " position " << position << " offers " << Glyph(record.CharIndex);
            }
        }
    }
}
TEST(RankTableTest, RanksEveryCharacterOnceAndClosesWithAnEmptyRecord) {
    for (const auto& [sex, label] : BothSexes) {
        for (int position : {1, 2}) {
            const RankSpan ranking = Ranking(sex, position);
            std::vector<bool> seen(CharCount, false);
            for (int rank = 0; rank < CharCount; ++rank) {
                const int index = ranking[rank].CharIndex;
                ASSERT_GE(index, 0) << label << position << " rank " << rank;
                ASSERT_LT(index, CharCount) << label << position << " rank " << rank;
                ASSERT_FALSE(seen[index]) << label << position << " rank " << rank << " repeats";
                seen[index] = true;
                EXPECT_GE(ranking[rank].Weight, 0) << label << position << " rank " << rank;
            }
            EXPECT_EQ(ranking[CharCount].CharIndex, 0) << label << position;
            EXPECT_EQ(ranking[CharCount].Weight, 0) << label << position;
        }
    }
}

// The ranks of the female rankings' late run of characters with nonzero weight.
struct LateRun {
    int first;
    int last;
};

LateRun LateRunOf(int sex, int position) {
    if (sex == Male) return {CharCount, CharCount - 1};  // none
    return position == 1 ? LateRun{5820, 5826} : LateRun{5802, 5826};
}

TEST(RankTableTest, WeightsDescendOutsideTheLateRunWhichStandsBetweenZeros) {
    for (const auto& [sex, label] : BothSexes) {
        for (int position : {1, 2}) {
            const RankSpan ranking = Ranking(sex, position);
            const LateRun late = LateRunOf(sex, position);
            std::int32_t previous = ranking[0].Weight;
            for (int rank = 1; rank < CharCount; ++rank) {
                const std::int32_t weight = ranking[rank].Weight;
                if (rank == late.first) {
                    // A late run follows weight-0 records and is followed by them.
                    EXPECT_EQ(previous, 0) << label << position;
                    EXPECT_GT(weight, 0) << label << position;
                    if (late.last + 1 < CharCount) {
                        EXPECT_EQ(ranking[late.last + 1].Weight, 0) << label << position;
                    }
                } else if (rank == late.last + 1) {
                    previous = weight;
                    continue;
                } else {
                    EXPECT_LE(weight, previous) << label << position << " rank " << rank;
                }
                previous = weight;
            }
        }
    }
}

TEST(RankTableTest, AnchorWeights) {
    struct Case {
        int sex;
        int position;
        std::array<std::int32_t, 5> weights;  // at ranks 0, 100, 200, 300, 400
    };
    const Case cases[] = {
        {Male, 1, {116041, 9582, 4634, 2564, 1618}},
        {Male, 2, {102510, 6103, 2616, 1458, 921}},
        {Female, 1, {68282, 3761, 1775, 1050, 652}},
        {Female, 2, {49248, 1947, 795, 446, 262}},
    };
    for (const Case& c : cases) {
        const RankSpan ranking = Ranking(c.sex, c.position);
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(ranking[100 * k].Weight, c.weights[k])
                << c.sex << "/" << c.position << " rank " << 100 * k;
        }
    }
}

TEST(RankTableTest, RecordsAboveOneHundredLieWhereTheSingleNameStepExpectsThem) {
    struct Case {
        int sex;
        int position;
        int leadingRun;  // ranks 0 … leadingRun − 1 weigh more than 100
        int total;       // all records weighing more than 100
    };
    const Case cases[] = {
        {Male, 1, 1388, 1388},
        {Male, 2, 1150, 1150},
        {Female, 1, 993, 999},
        {Female, 2, 668, 691},
    };
    for (const Case& c : cases) {
        const RankSpan ranking = Ranking(c.sex, c.position);
        int total = 0;
        for (int rank = 0; rank < CharCount; ++rank) {
            if (ranking[rank].Weight > 100) ++total;
        }
        EXPECT_EQ(total, c.total) << c.sex << "/" << c.position;
        EXPECT_GT(ranking[c.leadingRun - 1].Weight, 100) << c.sex << "/" << c.position;
        EXPECT_LE(ranking[c.leadingRun].Weight, 100) << c.sex << "/" << c.position;
    }
}

TEST(RankTableTest, BothPositionsTogetherOfferTheKnownNumberOfSingleNames) {
    for (const auto& [sex, expected] : {std::pair{Male, 1493}, std::pair{Female, 1054}}) {
        std::set<int> offered;
        for (int position : {1, 2}) {
            const RankSpan ranking = Ranking(sex, position);
            for (int rank = 0; rank < CharCount; ++rank) {
                if (ranking[rank].Weight > 100) offered.insert(ranking[rank].CharIndex);
            }
        }
        EXPECT_EQ(offered.size(), static_cast<std::size_t>(expected)) << sex;
    }
}

TEST(RankTableTest, FemaleLateRuns) {
    const RankSpan first = Ranking(Female, 1);
    EXPECT_EQ(RankedGlyphs(first, 5820, 7), "伟军杰峰锋民部");
    const std::int32_t firstWeights[] = {10448, 4262, 3230, 1207, 585, 433, 41};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(first[5820 + i].Weight, firstWeights[i]) << i;

    const RankSpan second = Ranking(Female, 2);
    EXPECT_EQ(RankedGlyphs(second, 5802, 25), "军杰伟峰宇部民金宏国锋海江维小卫建淑旭锦德学长世少");
    EXPECT_EQ(second[5802].Weight, 6318);
    EXPECT_EQ(second[5826].Weight, 20);
    for (int rank = 5802; rank < 5826; ++rank) {
        EXPECT_GT(second[rank].Weight, second[rank + 1].Weight) << rank;
    }
    EXPECT_GT(second[5824].Weight, 100);
    EXPECT_LE(second[5825].Weight, 100);
}

TEST(RankTableTest, HeadsOfTheFourRankings) {
    struct Case {
        int sex;
        int position;
        const char* glyphs;  // ranks 0 … 400
    };
    const Case cases[] = {
        {Male, 1,
         "建志文国海伟永晓小明金勇俊军玉德春新立华生振洪东庆云成红学涛刚鹏世宏光正强忠林长"
         "杰卫健斌大浩剑家飞荣兴亮旭辉广波天超宝磊亚峰少江平福利瑞龙宇子中智继树凯维祥松泽"
         "胜清锦进雪朝良传万爱敏景一克先毅鑫启元昌佳锋彦青耀向培桂宗阳力兆仁义友英绍远汉安"
         "连秀保士雷方顺书思延贵跃冬艳开炳彬兵坤君博茂武全其丽道惠鸿高吉益雄秋星富贤有占增"
         "洋加凤乐嘉恒翔祖运敬宁哲水震铁双守威治承燕会银晨孝达月慧科政喜锡康锐炜静发和雨奇"
         "善礼冰根风恩岩巍群经希显自栋盛凡虎帅定圣铭杨仕美育森欣焕如怀丰为总可登黎柏润坚仲"
         "崇信京尚琦日同民冠宪凌应来业纪本楠相孟昊岳丹卓伯作才山西晋勤劲灿章裕三廷扬彪朋诚"
         "聪南存程骏权源琪镇叶常石迪颖川修从乃晶欢靖升迎太路奕芳泉猛昆征献钦炎李工令航木湘"
         "绪淑厚寿照腾名艺邦晖钢汝楚睿兰奎昭豪洁展越均宜贺之殿亦满时诗帆纯灵心理煜梦玮苏鸣"
         "曙旺捷代四以老必百久周法枫乾冲皓前玲沛陈雅素真若现琳能在丙滨易峻战再二逸行鹤余召"
         "碧"},
        {Male, 2,
         "华军明平峰强伟林辉东龙波杰生国文刚勇斌涛锋飞海亮荣民成良忠新祥春兵光鹏松江宇清彬"
         "超武山兴云君阳利胜庆红雄志建俊安福敏宏元德青全才星权义中坤富宝昌根贵泉金发虎友洪"
         "群喜芳森磊丰顺玉浩雷栋进康凯英洋远鑫永源旺达贤宁健来标和升铭立南川奇豪学坚威科仁"
         "方翔洲卫广章旭智奎彪瑞乐毅柱财鸿泽博城理水臣盛先高宾冬滨聪佳田银法秋风力晖业正鸣"
         "勤萍天雨堂哲燕保玲钢耀恒剑礼朋年程梅霞茂通钦河恩珍伦勋均然慧诚梁晓政霖周欣会朝凡"
         "轩航信跃娟一卿振兰增扬吉楠其桥能维丽有岩培琪尧基亚冰灿初彦汉岭为炎锦师桂余琦炜营"
         "树庭存长宽琴宗香运钧连夫帅如男举双亭静定印晨前禄益煌麟柏锐开花艳书隆球月行寿枫丹"
         "弟岳路潮钊添功旗乾欢秀善芬廷舟泰启美凤昆州部景坡杨照满征艺苗圣帆灵之石瑜琳裕日辰"
         "传玮意岗怀领猛合起魁真木道惠谦珠敬晶里家心同育京鹤焕嘉儒邦克腾巍治任镇甫容人虹骏"
         "声普齐好池迪太冲昊挺名湘雪申原西钟深颖娜望捷思淼修浪俭蕾芝渊润久果环洁庚展凌万孝"
         "付"},
        {Female, 1,
         "丽晓小艳红玉春燕文秀海雪静玲美慧莉建敏淑金娟芳爱丹萍亚桂惠英志华娜云凤秋婷明梅素"
         "永霞彩月利佳颖国琳翠雅俊冬瑞新琴兰立晶青巧倩琼莹媛林庆荣菊卫君平清少蓉欣洪群思宝"
         "学洁蕾珊东虹阳梦银宏锦冰维薇碧旭珍飞子雨宇一德雯彦香辉佩芬菲会培江世怡璐成继正天"
         "凌超双家剑洋智光景长晨波婉健方灵嘉振元朝妍欢书微婧柳茜兴宁黎水鑫向安忠露瑛艺叶岩"
         "莲勤蓓楠树曼芸苏湘娇瑜琦福风乐莎连磊涛迎广岚悦喜彬瑶鸿杨琪晴斌星生妮如玮蕊贵笑泽"
         "妙顺可园姐远祥友中力紫靖瑾进雁婕凡娅京松苗敬容良爽启益若诗赛传大延映影毅销勇万凯"
         "克夏花心菁跃兆义吉钰咏绍依先萌姗杏迪育蔚真鹏仁润芝芹宗馨士卓开筱贤昌焕龙运浩汉亮"
         "和聪希舒茹胜仙纯昕奕坤晖帆肖巍婵甜竹越陈扬强幼卉南李炜灿耀孝茂保璇博满其圆西晋楚"
         "捷阿威睿有路铭哲翔姣淼总加贞烨盈锐恩潇善富产姝全珠盼祖孟售礼荷守锡畅炳俐道晔老羽"
         "寒莺细玫源三桃然韵绮奇雷宜亦承涵为代艾妹显伊曦鸣应仕高琰程枫铁珂纪田根丰日逸芙增"
         "科"},
        {Female, 2,
         "华英梅红芳玲霞萍娟丽燕琴兰平珍云艳芬敏君娜花凤婷莉香荣玉莲明静青慧春清文林丹美辉"
         "群蓉秀利菊琼飞琳芝媛波芹娥妹珠容娇珊莹颖晶娣新雯月仙妮虹惠秋雪佳茹东菲欣冰勤倩翠"
         "阳蕾洁强雅如兴生贞琪薇楠方连怡贤涛风亚彬芸仪瑜星庆雨洪枝侠莎斌南宁良爱元儿超灵卿"
         "俊真晓微光双会源晴琦园龙雁欢苗媚环松瑶男忠晖娴姣桃坤叶然彦亮影妍银子成苹岚兵鹏瑛"
         "巧露思勇璐瑞凡安祥曼姗彩婵刚冬培乐璇桂心竹泉蕊哲宝鸿传岩鑫蓓姬茜立姿喜师武玮鸣志"
         "铃洋女纯涵太胜娅先圆萌俐菁霖婕晨义柳婧博雷山碧凌钦霜奇湘进梦雄馨磊反顺钰瑾人聪意"
         "榕嘉一宜铭艺姝素贵枫音田莺黎萱盈力福中羽嫦远迪理景佩卉伶轩甜毅智亭悦丰彤帆川根斐"
         "蔚棠健年来枰和屏笑肜全友弟希翔寒捷蓝茵浩妃玫康达焕荷才坚颜之夏天柔森富昕权曦苏恩"
         "鹃筠桦发科杨昌吉鹰章书好威滨苑仁旋扬巍沙京淼格程永水盼迎菡满炜舒爽商钗斯诗均球韵"
         "辰泽凯非敬伦航贝鸽苓西杏洲枚睿路靖婉宾升可果蝶蒙善泳臣慈凝霏肖情遥端纳益伊冉存依"
         "丝"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Characters(c.glyphs).size(), 401u);
        EXPECT_EQ(RankedGlyphs(Ranking(c.sex, c.position), 0, 401), c.glyphs)
            << c.sex << "/" << c.position;
    }
}

namespace fs = std::filesystem;

std::string FileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ScratchFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "morvenda_pools_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }
    fs::path folder_;
};

// A tiny but complete pool data set over a 300-row character table, so that each case can spoil
// one thing and watch the build step refuse it.
class PoolCompileTest : public ScratchFolder {
protected:
    static constexpr int Rows = 300;

    void SetUp() override {
        ScratchFolder::SetUp();
        glyphs_.clear();
        for (int row = 0; row < Rows; ++row) glyphs_.push_back(CodePointText(0x4E00 + row));
        std::ostringstream table;
        table << "row\tglyph\n";
        for (int row = 0; row < Rows; ++row) table << row << '\t' << glyphs_[row] << '\n';
        Write("characters.tsv", table.str());
        for (const char* sex : {"male", "female"}) {
            Write(std::string(sex) + "_pairs.tsv", PairsText());
            for (const char* position : {"position1", "position2"}) {
                Write(std::string(sex) + "_" + position + ".tsv", RankingText());
            }
        }
    }

    static std::string CodePointText(char32_t c) {
        return {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                static_cast<char>(0x80 | (c & 0x3F))};
    }

    std::string PairsText() const {
        std::string text = "# names\n";
        for (int i = 0; i < PairPoolSize; ++i) {
            text += glyphs_[i / Rows] + glyphs_[i % Rows] + "\n";
        }
        return text;
    }

    std::string RankingText() const {
        std::string text = "# glyph\tweight\n";
        for (int row = 0; row < Rows; ++row) text += glyphs_[row] + "\t" + std::to_string(Rows - row) + "\n";
        return text;
    }

    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(folder_ / name, std::ios::binary) << text;
    }

    std::string Read(const std::string& name) const { return FileText(folder_ / name); }

    // Runs the build step over the folder; the exit status, and what it printed.
    std::pair<int, std::string> Compile() const {
        const std::string command = std::string(MORVENDA_PYTHON) + " " + MORVENDA_POOLS_COMPILE +
                                    " " + (folder_ / "characters.tsv").string() + " " +
                                    folder_.string() + " " + (folder_ / "tables.inc").string() +
                                    " 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        std::string output;
        char buffer[256];
        while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
            output += buffer;
        }
        const int status = pipe != nullptr ? pclose(pipe) : -1;
        return {status, output};
    }

    std::vector<std::string> glyphs_;
};

TEST_F(PoolCompileTest, AcceptsSoundData) {
    const auto [status, output] = Compile();
    ASSERT_EQ(status, 0) << output;
    const std::string tables = Read("tables.inc");
    EXPECT_NE(tables.find("MalePairPool"), std::string::npos);
    EXPECT_NE(tables.find("0x00000001u"), std::string::npos);  // the second name: rows 0 and 1
    EXPECT_NE(tables.find("{299, 1}, {0, 0},"), std::string::npos);  // last rank, closing record
}

// Each spoiled file stops the build step with a message naming the file and what is wrong, as
// a developer needs it to mend the data; a crash with a traceback fails as well.
TEST_F(PoolCompileTest, RefusesSpoiledData) {
    const std::string unknown = CodePointText(0x9F98);
    struct Case {
        const char* what;
        std::string file;
        std::string from;
        std::string to;
        std::string message;
    };
    const Case cases[] = {
        {"a name with a glyph the table lacks", "male_pairs.tsv",
         "\n" + glyphs_[0] + glyphs_[1] + "\n", "\n" + glyphs_[0] + unknown + "\n",
         "male_pairs.tsv: name 1 '" + glyphs_[0] + unknown + "': '" + unknown +
             "' is not in the character table"},
        {"a name given twice", "female_pairs.tsv", "\n" + glyphs_[0] + glyphs_[2] + "\n",
         "\n" + glyphs_[0] + glyphs_[1] + "\n",
         "female_pairs.tsv: name 2 '" + glyphs_[0] + glyphs_[1] + "' appears twice"},
        {"a one-character name", "male_pairs.tsv", "\n" + glyphs_[0] + glyphs_[1] + "\n",
         "\n" + glyphs_[0] + "\n",
         "male_pairs.tsv:3: expected a two-character name, got '" + glyphs_[0] + "'"},
        {"a ranking with a glyph the table lacks", "female_position2.tsv",
         "\n" + glyphs_[5] + "\t", "\n" + unknown + "\t",
         "female_position2.tsv: rank 5: '" + unknown + "' is not in the character table"},
        {"a character ranked twice", "male_position1.tsv", "\n" + glyphs_[5] + "\t",
         "\n" + glyphs_[6] + "\t", "male_position1.tsv: rank 6: '" + glyphs_[6] + "' ranked twice"},
        {"a ranking missing a character", "male_position2.tsv", glyphs_[Rows - 1] + "\t1\n", "",
         "male_position2.tsv: 299 records, the character table has 300 rows"},
        {"a weight that is not a number", "female_position1.tsv", "\t1\n", "\tx\n",
         "female_position1.tsv:301: expected 'glyph<TAB>weight', got '" + glyphs_[Rows - 1] +
             "\\tx'"},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        std::string text = Read(c.file);
        const std::size_t at = text.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.what;
        Write(c.file, text.replace(at, c.from.size(), c.to));
        const auto [status, output] = Compile();
        EXPECT_NE(status, 0) << c.what;
        EXPECT_NE(output.find("pools_compile: " + (folder_ / c.file).string()), std::string::npos)
            << c.what << "\n" << output;
        EXPECT_NE(output.find(c.message), std::string::npos) << c.what << "\n" << output;
        EXPECT_EQ(output.find("Traceback"), std::string::npos) << c.what << "\n" << output;
    }
}

}  // namespace
}  // namespace morvenda
