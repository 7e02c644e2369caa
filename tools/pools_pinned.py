"""The fixed head of every name pool: the most used characters of each position, the weights
that anchor each ranking, where the more-than-100 threshold falls, the female rankings' late run
and the pinned first and last names of each pair pool. The generator fills in everything else
from per-character counts. The build step only takes the pool size from here; the tests of the
compiled-in pools (naming/tests/name_pools_test.cpp) check these rows."""

PAIR_POOL_SIZE = 50000

# Ranks at which a ranking's weight is fixed; between them the counts shape the curve.
ANCHOR_RANKS = (0, 100, 200, 300, 400)

# Characters a weight above 100 marks as offered on their own (a one-character given name).
SINGLE_NAME_MIN_WEIGHT = 101


class Ranking:
    def __init__(self, head, anchor_weights, normal_above_100, late_start=None, late_run=()):
        self.head = head                          # ranks 0 … 400, in rank order
        self.anchor_weights = anchor_weights      # weights at ANCHOR_RANKS
        self.normal_above_100 = normal_above_100  # ranks 0 … n − 1 of the ordinary records
        self.late_start = late_start              # rank of the late run's first record
        self.late_run = tuple(late_run)           # (glyph, weight) pairs of the late run


class PoolSet:
    def __init__(self, position1, position2, union_above_100, first_names, last_names):
        self.position1 = position1
        self.position2 = position2
        self.union_above_100 = union_above_100    # distinct characters above 100 in either ranking
        self.first_names = first_names            # the pool's opening names, in order
        self.last_names = last_names              # the pool's closing names, in order


def _weights_falling(glyphs, first, last, above_100):
    """Weights for a late run whose ends alone are known: geometric from `first` down to 101 over
    the records that stay above 100, then geometric from there down to `last`."""
    n = len(glyphs)
    out = []
    for i in range(n):
        if i < above_100:
            t = i / (above_100 - 1)
            w = first * (SINGLE_NAME_MIN_WEIGHT / first) ** t
        else:
            t = (i - (above_100 - 1)) / (n - above_100)
            w = SINGLE_NAME_MIN_WEIGHT * (last / SINGLE_NAME_MIN_WEIGHT) ** t
        out.append(round(w))
    out[0], out[-1] = first, last
    return list(zip(glyphs, out))


MALE = PoolSet(
    position1=Ranking(
        head=(
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
        "碧"
        ),
        anchor_weights=(116041, 9582, 4634, 2564, 1618),
        normal_above_100=1388,
    ),
    position2=Ranking(
        head=(
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
        "付"
        ),
        anchor_weights=(102510, 6103, 2616, 1458, 921),
        normal_above_100=1150,
    ),
    union_above_100=1493,
    first_names=("建华", "建军", "建国", "志强", "志刚", "建平", "国强", "晓东", "海波", "海涛"),
    last_names=("细元", "夏海", "喜洲", "现兵", "仙云"),
)

FEMALE = PoolSet(
    position1=Ranking(
        head=(
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
        "科"
        ),
        anchor_weights=(68282, 3761, 1775, 1050, 652),
        normal_above_100=993,
        late_start=5820,
        late_run=(("伟", 10448), ("军", 4262), ("杰", 3230), ("峰", 1207), ("锋", 585),
                  ("民", 433), ("部", 41)),
    ),
    position2=Ranking(
        head=(
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
        "丝"
        ),
        anchor_weights=(49248, 1947, 795, 446, 262),
        normal_above_100=668,
        late_start=5802,
        late_run=_weights_falling("军杰伟峰宇部民金宏国锋海江维小卫建淑旭锦德学长世少", 6318, 20, 23),
    ),
    union_above_100=1054,
    first_names=("海燕", "丽萍", "丽娟", "婷婷", "红梅", "丽华", "丽丽", "晓燕", "冬梅", "丽娜"),
    last_names=("南浦", "傲之", "蔓云", "宛旋", "远步"),
)

POOL_SETS = {"male": MALE, "female": FEMALE}
