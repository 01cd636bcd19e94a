#include "report/docx/docx_parts.h"

#include "report/docx/docx_text.h"

namespace {

const char* const kContentTypes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "<Override PartName=\"/word/styles.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
    "<Override PartName=\"/word/settings.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml\"/>"
    "<Override PartName=\"/word/numbering.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.numbering+xml\"/>"
    "<Override PartName=\"/word/header1.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.header+xml\"/>"
    "<Override PartName=\"/word/footer1.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.footer+xml\"/>"
    "</Types>";

const char* const kPackageRelationships =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"word/document.xml\"/></Relationships>";

#define BRACING_RELATIONSHIP(id, type, target)                                                       \
    "<Relationship Id=\"" id "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/" type \
    "\" Target=\"" target "\"/>"

const char* const kDocumentRelationships =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    BRACING_RELATIONSHIP("rId1", "styles", "styles.xml")
    BRACING_RELATIONSHIP("rId2", "settings", "settings.xml")
    BRACING_RELATIONSHIP("rId3", "numbering", "numbering.xml")
    BRACING_RELATIONSHIP("rId4", "header", "header1.xml")
    BRACING_RELATIONSHIP("rId5", "footer", "footer1.xml")
    "</Relationships>";

#undef BRACING_RELATIONSHIP

#define BRACING_W "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""

// 宋体 for Chinese, Times New Roman for Latin, 10 pt as the HTML sheet.
// Sizes in half-points, spacing in twips (1 mm = 56.7 twips).
const char* const kStyles =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<w:styles " BRACING_W ">"
    "<w:docDefaults><w:rPrDefault><w:rPr>"
    "<w:rFonts w:ascii=\"Times New Roman\" w:hAnsi=\"Times New Roman\" w:eastAsia=\"SimSun\" w:cs=\"Times New Roman\"/>"
    "<w:sz w:val=\"20\"/><w:szCs w:val=\"20\"/><w:lang w:val=\"en-US\" w:eastAsia=\"zh-CN\" w:bidi=\"ar-SA\"/>"
    "</w:rPr></w:rPrDefault>"
    "<w:pPrDefault><w:pPr><w:spacing w:after=\"0\" w:line=\"240\" w:lineRule=\"auto\"/></w:pPr></w:pPrDefault>"
    "</w:docDefaults>"
    "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/><w:qFormat/>"
    "</w:style>"
    // The sheet's title, a bay or a part of the front, a part of a bay: the document map.
    "<w:style w:type=\"paragraph\" w:styleId=\"Heading1\"><w:name w:val=\"heading 1\"/><w:basedOn w:val=\"Normal\"/>"
    "<w:next w:val=\"Normal\"/><w:qFormat/><w:pPr><w:keepNext/><w:keepLines/>"
    "<w:spacing w:before=\"567\" w:after=\"454\"/><w:jc w:val=\"center\"/><w:outlineLvl w:val=\"0\"/></w:pPr>"
    "<w:rPr><w:b/><w:spacing w:val=\"132\"/><w:sz w:val=\"44\"/><w:szCs w:val=\"44\"/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"Heading2\"><w:name w:val=\"heading 2\"/><w:basedOn w:val=\"Normal\"/>"
    "<w:next w:val=\"Normal\"/><w:qFormat/><w:pPr><w:keepNext/><w:keepLines/>"
    "<w:pBdr><w:bottom w:val=\"single\" w:sz=\"8\" w:space=\"1\" w:color=\"000000\"/></w:pBdr>"
    "<w:spacing w:before=\"170\" w:after=\"113\"/><w:outlineLvl w:val=\"1\"/></w:pPr>"
    "<w:rPr><w:b/><w:sz w:val=\"26\"/><w:szCs w:val=\"26\"/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"Heading3\"><w:name w:val=\"heading 3\"/><w:basedOn w:val=\"Normal\"/>"
    "<w:next w:val=\"Normal\"/><w:qFormat/><w:pPr><w:keepNext/><w:keepLines/>"
    "<w:spacing w:before=\"142\" w:after=\"57\"/><w:outlineLvl w:val=\"2\"/></w:pPr>"
    "<w:rPr><w:b/><w:sz w:val=\"21\"/><w:szCs w:val=\"21\"/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"ListItem\"><w:name w:val=\"List Number\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:pPr><w:spacing w:after=\"40\"/><w:ind w:left=\"425\" w:hanging=\"425\"/></w:pPr>"
    "</w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"Cell\"><w:name w:val=\"Table Text\"/><w:basedOn w:val=\"Normal\"/>"
    "<w:rPr><w:sz w:val=\"18\"/><w:szCs w:val=\"18\"/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"CellNumber\"><w:name w:val=\"Table Number\"/>"
    "<w:basedOn w:val=\"Cell\"/><w:pPr><w:jc w:val=\"right\"/></w:pPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"CellHead\"><w:name w:val=\"Table Heading\"/>"
    "<w:basedOn w:val=\"Cell\"/><w:rPr><w:b/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"CellMark\"><w:name w:val=\"Table Mark\"/>"
    "<w:basedOn w:val=\"Cell\"/><w:pPr><w:jc w:val=\"center\"/></w:pPr><w:rPr><w:b/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"ScopeLine\"><w:name w:val=\"Scope Line\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:pPr><w:pBdr>"
    "<w:top w:val=\"single\" w:sz=\"4\" w:space=\"2\" w:color=\"444444\"/>"
    "<w:left w:val=\"single\" w:sz=\"4\" w:space=\"4\" w:color=\"444444\"/>"
    "<w:bottom w:val=\"single\" w:sz=\"4\" w:space=\"2\" w:color=\"444444\"/>"
    "<w:right w:val=\"single\" w:sz=\"4\" w:space=\"4\" w:color=\"444444\"/></w:pBdr>"
    "<w:spacing w:after=\"113\"/><w:ind w:left=\"113\" w:right=\"113\"/></w:pPr>"
    "<w:rPr><w:sz w:val=\"17\"/><w:szCs w:val=\"17\"/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"Caption\"><w:name w:val=\"caption\"/><w:basedOn w:val=\"Normal\"/>"
    "<w:pPr><w:jc w:val=\"center\"/></w:pPr><w:rPr><w:sz w:val=\"17\"/><w:szCs w:val=\"17\"/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"Conclusion\"><w:name w:val=\"Conclusion\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:pPr><w:spacing w:before=\"57\" w:after=\"28\"/></w:pPr>"
    "<w:rPr><w:b/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"Note\"><w:name w:val=\"Note\"/><w:basedOn w:val=\"Normal\"/>"
    "<w:pPr><w:spacing w:after=\"57\"/></w:pPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"Gap\"><w:name w:val=\"Gap\"/><w:basedOn w:val=\"Normal\"/>"
    "<w:rPr><w:sz w:val=\"8\"/><w:szCs w:val=\"8\"/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"Count\"><w:name w:val=\"Count\"/><w:basedOn w:val=\"Normal\"/>"
    "<w:pPr><w:spacing w:before=\"113\" w:after=\"113\"/></w:pPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"Incomplete\"><w:name w:val=\"Incomplete\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:pPr><w:pBdr>"
    "<w:top w:val=\"single\" w:sz=\"8\" w:space=\"2\" w:color=\"000000\"/>"
    "<w:left w:val=\"single\" w:sz=\"8\" w:space=\"4\" w:color=\"000000\"/>"
    "<w:bottom w:val=\"single\" w:sz=\"8\" w:space=\"2\" w:color=\"000000\"/>"
    "<w:right w:val=\"single\" w:sz=\"8\" w:space=\"4\" w:color=\"000000\"/></w:pBdr>"
    "<w:spacing w:before=\"113\" w:after=\"113\"/><w:ind w:left=\"113\" w:right=\"113\"/></w:pPr>"
    "<w:rPr><w:b/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"Header\"><w:name w:val=\"header\"/><w:basedOn w:val=\"Normal\"/>"
    "<w:pPr><w:pBdr><w:bottom w:val=\"single\" w:sz=\"4\" w:space=\"1\" w:color=\"000000\"/></w:pBdr>"
    "<w:tabs><w:tab w:val=\"center\" w:pos=\"4961\"/><w:tab w:val=\"right\" w:pos=\"9921\"/></w:tabs></w:pPr>"
    "<w:rPr><w:sz w:val=\"18\"/><w:szCs w:val=\"18\"/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"Footer\"><w:name w:val=\"footer\"/><w:basedOn w:val=\"Normal\"/>"
    "<w:pPr><w:jc w:val=\"center\"/></w:pPr><w:rPr><w:sz w:val=\"18\"/><w:szCs w:val=\"18\"/></w:rPr></w:style>"
    "<w:style w:type=\"character\" w:styleId=\"Hyperlink\"><w:name w:val=\"Hyperlink\"/></w:style>"
    "</w:styles>";

// "1." and so on, as the HTML sheet's lists.
const char* const kNumbering =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<w:numbering " BRACING_W ">"
    "<w:abstractNum w:abstractNumId=\"0\"><w:multiLevelType w:val=\"singleLevel\"/>"
    "<w:lvl w:ilvl=\"0\"><w:start w:val=\"1\"/><w:numFmt w:val=\"decimal\"/><w:lvlText w:val=\"%1.\"/>"
    "<w:lvlJc w:val=\"left\"/><w:pPr><w:ind w:left=\"425\" w:hanging=\"425\"/></w:pPr></w:lvl></w:abstractNum>"
    "<w:num w:numId=\"1\"><w:abstractNumId w:val=\"0\"/></w:num>"
    "<w:num w:numId=\"2\"><w:abstractNumId w:val=\"0\"/>"
    "<w:lvlOverride w:ilvl=\"0\"><w:startOverride w:val=\"1\"/></w:lvlOverride></w:num>"
    "</w:numbering>";

// Opened as a document of the current Word, not in compatibility mode.
const char* const kSettings =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<w:settings " BRACING_W ">"
    "<w:defaultTabStop w:val=\"420\"/><w:characterSpacingControl w:val=\"compressPunctuation\"/>"
    "<w:compat><w:compatSetting w:name=\"compatibilityMode\" w:uri=\"http://schemas.microsoft.com/office/word\" "
    "w:val=\"15\"/></w:compat></w:settings>";

// A field: its code, and the runs shown until Word or the converter updates it.
#define BRACING_FIELD(code, shown)                                                            \
    "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText xml:space=\"preserve\"> " code \
    " </w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>" shown                  \
    "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>"

// 第 x 页 共 y 页, as the HTML sheet's page margin says it.
const char* const kFooter =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<w:ftr " BRACING_W ">"
    "<w:p><w:pPr><w:pStyle w:val=\"Footer\"/></w:pPr><w:r><w:t xml:space=\"preserve\">第 </w:t></w:r>"
    BRACING_FIELD("PAGE", "<w:r><w:t>1</w:t></w:r>")
    "<w:r><w:t xml:space=\"preserve\"> 页 共 </w:t></w:r>"
    BRACING_FIELD("NUMPAGES", "<w:r><w:t>1</w:t></w:r>")
    "<w:r><w:t xml:space=\"preserve\"> 页</w:t></w:r></w:p></w:ftr>";

}  // namespace

const PackagePart kPackageParts[] = {
    {"[Content_Types].xml", kContentTypes},
    {"_rels/.rels", kPackageRelationships},
    {"word/_rels/document.xml.rels", kDocumentRelationships},
    {"word/styles.xml", kStyles},
    {"word/numbering.xml", kNumbering},
    {"word/settings.xml", kSettings},
    {"word/footer1.xml", kFooter},
    {"word/header1.xml", nullptr},
};
const int kPackagePartCount = static_cast<int>(sizeof kPackageParts / sizeof kPackageParts[0]);
const char* const kDocumentPart = "word/document.xml";

const char* const kDocumentStart =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<w:document " BRACING_W
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
    " xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\""
    " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\""
    " xmlns:wps=\"http://schemas.microsoft.com/office/word/2010/wordprocessingShape\""
    " xmlns:wpg=\"http://schemas.microsoft.com/office/word/2010/wordprocessingGroup\""
    " xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\"><w:body>";

// A4 is 210 x 297 mm; margins 16, 15, 15 and 20 mm (top, right, bottom,
// left); header and footer 7 mm from the edge.
const char* const kDocumentEnd =
    "<w:sectPr><w:headerReference w:type=\"default\" r:id=\"rId4\"/>"
    "<w:footerReference w:type=\"default\" r:id=\"rId5\"/>"
    "<w:pgSz w:w=\"11906\" w:h=\"16838\"/>"
    "<w:pgMar w:top=\"907\" w:right=\"850\" w:bottom=\"850\" w:left=\"1134\" w:header=\"397\" w:footer=\"397\" "
    "w:gutter=\"0\"/><w:cols w:space=\"425\"/></w:sectPr></w:body></w:document>";

std::string PageHeader(std::string_view project, std::string_view title) {
    std::string header = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<w:hdr " BRACING_W ">";
    BeginParagraph(header, "Header");
    AppendTypedRun(header, project);
    header += "<w:r><w:tab/></w:r>";
    header += BRACING_FIELD("STYLEREF &quot;heading 2&quot;", "");
    header += "<w:r><w:tab/></w:r>";
    AppendRun(header, title);
    EndParagraph(header);
    return header + "</w:hdr>";
}
