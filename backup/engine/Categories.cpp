#include "backup/engine/Categories.h"

#include <initializer_list>

namespace {

using Extensions = std::initializer_list<std::u16string_view>;

// Each table lists its extensions once, in lower case; the upper-case twin is compared by
// upper-casing the letters of the entry, which keeps mixed case ("Doc") from matching.
const Extensions kDocument = {u".xl",   u".chm",  u".cpr",  u".doc",  u".dot",  u".hlp",  u".htm",  u".inf",  u".pdf",
                              u".pot",  u".pps",  u".ppt",  u".rtf",  u".shw",  u".txt",  u".wpd",  u".wps",  u".wk4",
                              u".wks",  u".xla",  u".xlm",  u".xls",  u".xlw",  u".xlt",  u".xml",  u".docm", u".docx",
                              u".dotx", u".dotm", u".html", u".potm", u".potx", u".ppsm", u".ppsx", u".pptm", u".pptx",
                              u".xlam", u".xlsb", u".xlsm", u".xlsx", u".xltm", u".xltx"};
const Extensions kPicture = {u".bmp", u".dib", u".gif", u".ico", u".iff", u".jp2", u".jpg",  u".pcx",  u".pgm", u".png",
                             u".psd", u".ras", u".rsb", u".sgi", u".tga", u".tif", u".jpeg", u".tiff", u".wbmp"};
const Extensions kAudio = {u".au",  u".ra",  u".aac", u".acp",  u".aif",  u".ape",  u".cda", u".mid",
                           u".mp2", u".mp3", u".mp4", u".m4a",  u".ogg",  u".pcm",  u".rax", u".rmi",
                           u".snd", u".wav", u".wma", u".aiff", u".cdda", u".flac", u".midi"};
const Extensions kVideo = {u".qt",  u".rm",  u".wm",  u".asf", u".avi", u".dat", u".flv",  u".mov",  u".mpe",
                           u".mpg", u".m2v", u".swf", u".vob", u".wma", u".wmv", u".divx", u".mpeg", u".rmvb"};
const Extensions kMail = {u".box", u".dbx", u".edb", u".eml", u".mbx",  u".msg",
                          u".nsf", u".ost", u".pst", u".stm", u".emlx", u".mbox"};

char16_t Upper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool EqualsUpper(std::u16string_view tail, std::u16string_view entry)
{
    for (std::size_t i = 0; i < entry.size(); ++i) {
        if (tail[i] != Upper(entry[i])) {
            return false;
        }
    }
    return true;
}

bool EndsInTableEntry(std::u16string_view path, const Extensions& table)
{
    for (std::u16string_view entry : table) {
        if (path.size() < entry.size()) {
            continue;
        }
        const std::u16string_view tail = path.substr(path.size() - entry.size());
        if (tail == entry || EqualsUpper(tail, entry)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool IsDocumentFile(std::u16string_view path)
{
    return EndsInTableEntry(path, kDocument);
}

bool IsPictureFile(std::u16string_view path)
{
    return EndsInTableEntry(path, kPicture);
}

bool IsAudioFile(std::u16string_view path)
{
    return EndsInTableEntry(path, kAudio);
}

bool IsVideoFile(std::u16string_view path)
{
    return EndsInTableEntry(path, kVideo);
}

bool IsMailFile(std::u16string_view path)
{
    return EndsInTableEntry(path, kMail);
}

int CategoryOfPath(std::u16string_view path)
{
    if (IsDocumentFile(path)) {
        return CATEGORY_DOCUMENT;
    }
    if (IsPictureFile(path)) {
        return CATEGORY_PICTURE;
    }
    if (IsAudioFile(path)) {
        return CATEGORY_AUDIO;
    }
    if (IsVideoFile(path)) {
        return CATEGORY_VIDEO;
    }
    if (IsMailFile(path)) {
        return CATEGORY_MAIL;
    }
    return CATEGORY_OTHER;
}
