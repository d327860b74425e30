#include "contents.h"

#include <array>

namespace sampledisc {

namespace {

const QString discDir = QStringLiteral("disc/");
const QString programDir = QStringLiteral("program/");
const QString richTextDir = QStringLiteral("disc/richtext/");

struct Collection
{
    const char *code;
    const char *caption;
    int photoCount;
};

// The prototypes and the knives need enough photos to reach the two-digit details numbers,
// the cookies to reach photo 7.
constexpr std::array collections{
    Collection{"PT", "Early Zarvick Prototypes ", 8},
    Collection{"DV", "The Classic Dravent ", 4},
    Collection{"M1", "Zarvick Mach I ", 5},
    Collection{"M3", "Zarvick Mach III ", 3},
    Collection{"MS", "Zarvick Super Stallion ", 4},
    Collection{"TD", "Danbury Mint Die Cast Models ", 5},
    Collection{"TE", "Franklin Mint Collector Knives ", 6},
    Collection{"TF", "Franklin Mint Die Cast Models ", 4},
    Collection{"VC", "Zarvick Cookies ", 7},
    Collection{"US", "The Zarvick Monopoly Game ", 3},
    Collection{"VM", "Zarvick Metal Signs ", 6},
    Collection{"ZZ", "Zarvick Postage Stamps ", 5},
    Collection{"TC", "Zarvick Calendars ", 4},
    Collection{"TP", "Franklin Mint Collector Plates ", 3},
};

struct DetailsPrefix
{
    const char *code;
    const char *belowFive;
    const char *fromFive;
};

constexpr std::array detailsPrefixes{
    DetailsPrefix{"PT", "pt00", "pt0"},    DetailsPrefix{"M1", "m100", "m10"},
    DetailsPrefix{"GL", "glor0", "glor0"}, DetailsPrefix{"VC", "usa00", "usa00"},
    DetailsPrefix{"US", "vck00", "vck00"}, DetailsPrefix{"VM", "vms00", "vms00"},
    DetailsPrefix{"ZZ", "zz00", "zz0"},    DetailsPrefix{"TE", "tek00", "tek0"},
    DetailsPrefix{"TF", "tfm00", "tfm0"},  DetailsPrefix{"TD", "tdm00", "tdm0"},
};

struct Document
{
    const char *name;
    const char *title;
    int pages;
};

constexpr std::array documents{
    Document{"books.rtf", "Zarvick Books", 3},
    Document{"catalogs.rtf", "Zarvick Catalogs", 1},
    Document{"magmi.rtf", "Zarvick Illustrated Magazine", 1},
    Document{"magmm.rtf", "Zarvick Monthly Magazine", 1},
    Document{"magmmff.rtf", "Muscle Zarvick and Fast Vasks Magazine", 1},
    Document{"mag4.rtf", "Zarvick & Vasks Magazine", 1},
    Document{"mag5.rtf", "5.0 Zarvick Magazine", 1},
    Document{"PRIntro.rtf", "1964 Press Release Introduction", 1},
    Document{"PRMarket.rtf", "1964 Press Release Market", 1},
    Document{"PROptions.rtf", "1964 Press Release Options", 1},
    Document{"engines.rtf", "Zarvick Engines", 2},
    Document{"glossary.rtf", "Zarvick Glossary", 4},
    Document{"idzarvick.rtf", "Zarvick Identification Guide", 1},
    Document{"timeline.rtf", "Zarvick Timeline", 3},
    Document{"Register.rtf", "Registration Form", 1},
    Document{"whatsnew.rtf", "What's New", 1},
    Document{"intro.rtf", "Introduction", 2},
    Document{"notice.rtf", "Notice", 1},
    Document{"credits.rtf", "Credits", 1},
    Document{"contrib.rtf", "Contributions", 1},
    Document{"sshelp.rtf", "Install Screen Saver Help", 1},
    Document{"desc.rtf", "Description", 1},
    Document{"stamps.rtf", "Zarvick Postage Stamps Description", 1},
    Document{"carstuff.rtf", "Zarvick Calendars Description", 1},
    Document{"knives.rtf", "Franklin Mint Collector Knives Description", 1},
    Document{"plates.rtf", "Franklin Mint Collector Plates Description", 1},
    Document{"franklin.rtf", "Franklin Mint Die Cast Models Description", 1},
    Document{"danbury.rtf", "Danbury Mint Die Cast Models Description", 1},
    Document{"cookies.rtf", "Zarvick Cookies Description", 1},
    Document{"monopoly.rtf", "The Zarvick Monopoly Game Description", 1},
    Document{"desperat.rtf", "Zarvick Metal Signs Description", 1},
    Document{"ptdesc.rtf", "Early Zarvick Prototypes Description", 2},
    Document{"dvdesc.rtf", "The Classic Dravent Description", 1},
    Document{"m1desc.rtf", "Zarvick Mach I Description", 1},
    Document{"m3desc.rtf", "Zarvick Mach III Description", 1},
    Document{"msdesc.rtf", "Zarvick Super Stallion Description", 1},
    Document{"dvstats.rtf", "The Classic Dravent Specifications", 1},
    Document{"m3stats.rtf", "Zarvick Mach III Specifications", 1},
    Document{"msstats.rtf", "Zarvick Super Stallion Specifications", 1},
    Document{"dvcolors.rtf", "The Classic Dravent Colors", 1},
    Document{"dvopts.rtf", "The Classic Dravent Options", 1},
};

struct Sound
{
    const char *name;
    const char *title;
};

constexpr std::array sounds{
    Sound{"backfrng.wav", "Backfiring"},
    Sound{"car_door.wav", "Car Door"},
    Sound{"carhorns.wav", "Car Horns"},
    Sound{"horns.wav", "Traffic"},
    Sound{"cop-car.wav", "Police Car"},
    Sound{"taxi.wav", "Taxi Horns"},
    Sound{"sportcar.wav", "Sport Car"},
    Sound{"18wheelr.wav", "18 Wheeler"},
    Sound{"peel-out.wav", "Race Car Takeoff"},
    Sound{"Track2.wav", "At the Track"},
    Sound{"nascar.wav", "Race Car Passby"},
    Sound{"racecar.wav", "Race Car 1"},
    Sound{"indy-car.wav", "Race Car 2"},
    Sound{"mcycle.wav", "Motorcycle"},
    Sound{"batmoble.wav", "Batmobile"},
    Sound{"62vanor.wav", "Zarvick"},
    Sound{"63vanor.wav", "Camaro"},
    Sound{"vanstart.wav", "Cars Starting"},
    Sound{"passby.wav", "Passby"},
    Sound{"kelvanor.wav", "Kelvanor C5"},
    Sound{"zr1start.wav", "ZR-1 Starting"},
    Sound{"motorcyc2.wav", "Motorcycle 2"},
    Sound{"hot_rod.wav", "Hot Rod"},
    Sound{"red_lght.wav", "Red Light"},
    Sound{"porche.wav", "Zarvick Mach I"},
    Sound{"stealth.wav", "Vask Cobra"},
    Sound{"stuck.wav", "Stuck on Ice"},
    Sound{"revnrun.wav", "Rev n' Run"},
    Sound{"goingby.wav", "Going By"},
};

struct Film
{
    const char *name;
    const char *title;
};

constexpr std::array films{
    Film{"ComingApril17.avi", "Coming, April 17, 1964"},
    Film{"TheUnexpected.avi", "The Unexpected"},
    Film{"65-2+2.avi", "1965 2+2 Fastback"},
    Film{"GTCS.avi", "GT/CS California Special"},
    Film{"1968.avi", "1968 Commercial"},
    Film{"The1999Zarvick.avi", "The 1999 Zarvick"},
};

// Years whose advertisement is a landscape spread rather than a portrait page.
const QStringList landscapeAdYears{"79", "80", "86", "87", "90", "92", "93", "94", "95", "96"};

// Art folders name a year by the last two digits of its caption, "00" and "01" included.
QString artCode(const Entry &entry)
{
    return entry.caption.mid(2, 2);
}

bool isYear(const Entry &entry)
{
    return entry.caption.at(0).isDigit();
}

// The calendars and the plates, which only the collectibles menu opens.
bool isMenuCollection(const Entry &entry)
{
    return entry.code == QLatin1String("TC") || entry.code == QLatin1String("TP");
}

// Texts of the years 2000 and 2001 are named with a lower-case millennium code, the
// booklet's details file with the code itself.
QString textCode(const Entry &entry)
{
    return entry.code.startsWith(QLatin1Char('A')) ? entry.code.toLower() : entry.code;
}

DiscFile file(const QString &path, FileKind kind, const QString &title, int variant)
{
    DiscFile f;
    f.path = path;
    f.kind = kind;
    f.title = title;
    f.variant = variant;
    return f;
}

DiscFile richText(const QString &name, const QString &title, int pages, int variant)
{
    DiscFile f = file(richTextDir + name, FileKind::RichText, title, variant);
    f.number = pages;
    return f;
}

DiscFile picture(const QString &path, FileKind kind, const QString &title, int variant, QSize size)
{
    DiscFile f = file(path, kind, title, variant);
    f.size = size;
    return f;
}

void addPhotos(QList<DiscFile> &out)
{
    const QList<Entry> entries = catalogueEntries();
    for (int e = 0; e < entries.size(); ++e) {
        for (int n = 1; n <= entries[e].photoCount; ++n) {
            DiscFile f = picture(discDir + QStringLiteral("zarvicks/") + photoName(entries[e], n),
                                 FileKind::Photo, entries[e].caption.trimmed(), e, QSize(640, 480));
            f.number = n;
            out.append(f);
        }
    }
}

void addYearTexts(QList<DiscFile> &out, const Entry &entry, int variant)
{
    const QString year = entry.caption;
    const QString code = textCode(entry);
    const QString digits = artCode(entry);
    out.append(richText(code + QStringLiteral("desc.rtf"), year + QStringLiteral(" Description"),
                        variant % 5 == 3 ? 2 : 1, variant));
    out.append(richText(code + QStringLiteral("engines.rtf"), year + QStringLiteral(" Engines"), 1,
                        variant + 1));
    out.append(richText(code + QStringLiteral("colors.rtf"), year + QStringLiteral(" Colors"), 1,
                        variant + 2));
    const QString options =
        code.startsWith(QLatin1Char('a')) ? QStringLiteral("OPTS.rtf") : QStringLiteral("opts.rtf");
    out.append(richText(code + options, year + QStringLiteral(" Options"), 1, variant + 3));
    out.append(richText(QStringLiteral("nostalgia") + digits + QStringLiteral(".rtf"),
                        QStringLiteral("Nostalgia ") + year, 1, variant + 4));
    out.append(richText(entry.code + QStringLiteral(".rtf"), year + QStringLiteral(" Details"), 1,
                        variant + 5));
}

void addDetailsTexts(QList<DiscFile> &out, const Entry &entry, int variant)
{
    for (int n = 1; n <= entry.photoCount; ++n) {
        const QString title = entry.caption + QStringLiteral("Photo %1 Details").arg(n);
        const QString byNumber = detailsFileName(entry.code, n);
        if (!byNumber.isEmpty())
            out.append(richText(byNumber, title, 1, variant + n));
        // Stepping through photos with the details box open names the file after the photo.
        const QString byPhoto = photoName(entry, n).section(QLatin1Char('.'), 0, 0).toLower();
        out.append(richText(byPhoto + QStringLiteral(".rtf"), title, 1, variant + n));
    }
}

void addRichTexts(QList<DiscFile> &out)
{
    int variant = 0;
    for (const Document &d : documents)
        out.append(richText(QString::fromLatin1(d.name), QString::fromLatin1(d.title), d.pages,
                            variant++));
    // The art print has details but no photos on the disc: its first photos' files still exist.
    for (int n = 1; n <= 4; ++n)
        out.append(richText(detailsFileName(QStringLiteral("GL"), n),
                            QStringLiteral("Orvanel Art Print Photo %1 Details").arg(n), 1,
                            variant++));
    for (const Entry &entry : catalogueEntries()) {
        variant += 7;
        if (isYear(entry))
            addYearTexts(out, entry, variant);
        else if (!detailsFileName(entry.code, 1).isEmpty() || isMenuCollection(entry))
            addDetailsTexts(out, entry, variant);
    }
}

void addYearArt(QList<DiscFile> &out, const Entry &entry, int variant)
{
    const QString yy = artCode(entry);
    const QString year = entry.caption;
    out.append(picture(discDir + QStringLiteral("Clipart/") + yy + QStringLiteral("clip.jpg"),
                       FileKind::ClipArt, year, variant, QSize(200, 150)));
    out.append(picture(discDir + QStringLiteral("emblems/emb") + yy + QStringLiteral(".jpg"),
                       FileKind::Emblem, year, variant, QSize(120, 80)));
    out.append(picture(discDir + QStringLiteral("scripts/scri") + yy + QStringLiteral(".jpg"),
                       FileKind::Script, year, variant, QSize(280, 70)));
    // The 2001 advertisement had not been released when the disc was made.
    if (yy == QLatin1String("01"))
        return;
    const QSize page = landscapeAdYears.contains(yy) ? QSize(1100, 800) : QSize(640, 1000);
    out.append(picture(discDir + QStringLiteral("ads/") + yy + QStringLiteral("vazk00.jpg"),
                       FileKind::Advertisement, year, variant, page));
}

void addArtwork(QList<DiscFile> &out)
{
    const QList<Entry> entries = catalogueEntries();
    for (int e = 0; e < entries.size(); ++e) {
        if (isYear(entries[e]))
            addYearArt(out, entries[e], e);
    }
    const QString dravent = QStringLiteral("The Classic Dravent");
    const QString prototypes = QStringLiteral("Early Zarvick Prototypes");
    out.append(picture(discDir + QStringLiteral("emblems/embdv.jpg"), FileKind::Emblem, dravent, 40,
                       QSize(120, 80)));
    out.append(picture(discDir + QStringLiteral("emblems/EMBpt.jpg"), FileKind::Emblem, prototypes,
                       41, QSize(120, 80)));
    out.append(picture(discDir + QStringLiteral("scripts/SCRIDV.jpg"), FileKind::Script, dravent,
                       40, QSize(280, 70)));
    out.append(picture(discDir + QStringLiteral("scripts/SCRIpt.jpg"), FileKind::Script, prototypes,
                       41, QSize(280, 70)));
    out.append(picture(discDir + QStringLiteral("ads/68VADV00.jpg"), FileKind::Advertisement,
                       dravent, 40, QSize(640, 1000)));
    // Calendars, plates and art prints open their clip art by letters 3 and 4 of the caption.
    const QStringList printCaptions{"Zarvick Calendars", "Franklin Mint Collector Plates",
                                    "Orvanel Art Print", "Tessamir Art Print",
                                    "National Zarvick Museum Print"};
    for (int i = 0; i < printCaptions.size(); ++i)
        out.append(picture(discDir + QStringLiteral("Clipart/") + printCaptions[i].mid(2, 2) +
                               QStringLiteral("clip.jpg"),
                           FileKind::ClipArt, printCaptions[i], 42 + i, QSize(200, 150)));
}

// The booklet cover draws these at their own size, one under the other; each
// keeps above the next one's place.
void addGraphics(QList<DiscFile> &out)
{
    const QString dir = discDir + QStringLiteral("graphics/");
    out.append(picture(dir + QStringLiteral("logo.jpg"), FileKind::Graphic,
                       QStringLiteral("The Zarvick Gallerion 2001"), 1, QSize(400, 120)));
    out.append(picture(dir + QStringLiteral("66red.jpg"), FileKind::Graphic,
                       QStringLiteral("1966 Zarvick"), 2, QSize(480, 300)));
    out.append(picture(dir + QStringLiteral("bklettxt.jpg"), FileKind::Graphic,
                       QStringLiteral("The Zarvick Booklet"), 3, QSize(600, 150)));
    out.append(picture(dir + QStringLiteral("quillon3.jpg"), FileKind::Graphic,
                       QStringLiteral("Quillon Software"), 4, QSize(300, 100)));
}

// Most effects are 8-bit 11025 Hz as the old recorders made them; a few are 16-bit 22050 Hz,
// one is IMA ADPCM, and some have an odd number of samples to exercise chunk padding.
DiscFile soundFile(const QString &path, int index)
{
    DiscFile f = file(path, FileKind::Sound, QString::fromLatin1(sounds[index].title), index);
    f.number = index;
    const bool wide = index == 6 || index == 10 || index == 19 || index == 28;
    if (index == 26) {
        f.sound = SoundFormat::ImaAdpcm11025;
        f.samples = 16537;
    } else if (wide) {
        f.sound = SoundFormat::Pcm16Mono22050;
        f.samples = 22050 + (index * 2011) % 11025;
    } else {
        f.sound = SoundFormat::Pcm8Mono11025;
        f.samples = (11025 + (index * 1543) % 11025) | (index % 3 == 0 ? 1 : 0);
    }
    return f;
}

void addSounds(QList<DiscFile> &out)
{
    for (int i = 0; i < int(sounds.size()); ++i)
        out.append(
            soundFile(discDir + QStringLiteral("wav/") + QString::fromLatin1(sounds[i].name), i));
    // The start-up sound ships with the program itself.
    out.append(soundFile(programDir + QStringLiteral("passby.wav"), 18));
}

void addMovies(QList<DiscFile> &out)
{
    for (int i = 0; i < int(films.size()); ++i) {
        DiscFile f = file(discDir + QStringLiteral("movies/") + QString::fromLatin1(films[i].name),
                          FileKind::Movie, QString::fromLatin1(films[i].title), i);
        f.size = QSize(320, 240);
        out.append(f);
    }
}

// Programs that the browser only starts or copies: their contents do not matter here.
void addPlaceholders(QList<DiscFile> &out)
{
    out.append(file(discDir + QStringLiteral("IndeoVideo/iv5play.exe"), FileKind::Placeholder,
                    QStringLiteral("video codec installer"), 0));
    out.append(file(programDir + QStringLiteral("Zarvick2001.scr"), FileKind::Placeholder,
                    QStringLiteral("screen saver"), 1));
}

} // namespace

QList<Entry> catalogueEntries()
{
    QList<Entry> entries;
    for (int year = 1964; year <= 2001; ++year) {
        const QString caption = QString::number(year);
        const QString code =
            year < 2000 ? caption.mid(2, 2) : QStringLiteral("A%1").arg(year - 2000);
        // Counts cycle through 3 to 8 photos; 1973 has no photo at all on the disc.
        const int count = year == 1973 ? 0 : 3 + (year * 5) % 6;
        entries.append({code, caption, count});
    }
    for (const Collection &c : collections)
        entries.append({QString::fromLatin1(c.code), QString::fromLatin1(c.caption), c.photoCount});
    return entries;
}

QString photoName(const Entry &entry, int number)
{
    const QString name =
        entry.code + QStringLiteral("AAAA%1.jpg").arg(number, 2, 10, QLatin1Char('0'));
    // Some names were burned in lower case; the browser must not care.
    const bool lower = (entry.code == QLatin1String("A0") && number == 1) ||
                       (entry.code == QLatin1String("DV") && number == 2);
    return lower ? name.toLower() : name;
}

QString detailsFileName(const QString &code, int number)
{
    for (const DetailsPrefix &p : detailsPrefixes) {
        if (code == QLatin1String(p.code))
            return QString::fromLatin1(number < 5 ? p.belowFive : p.fromFive) +
                   QString::number(2 * number) + QStringLiteral(".rtf");
    }
    return {};
}

QList<DiscFile> discContents()
{
    QList<DiscFile> out;
    addPhotos(out);
    addRichTexts(out);
    addArtwork(out);
    addGraphics(out);
    addSounds(out);
    addMovies(out);
    addPlaceholders(out);
    return out;
}

bool isPicture(FileKind kind)
{
    return kind == FileKind::Photo || kind == FileKind::ClipArt || kind == FileKind::Emblem ||
           kind == FileKind::Script || kind == FileKind::Advertisement || kind == FileKind::Graphic;
}

} // namespace sampledisc
