#include "common/XmlTree.h"
#include "common/XmlWriter.h"

#include <gtest/gtest.h>

TEST(XmlTree, FirstNodeIsWhateverComesFirst)
{
    const auto withDecl = parseXml("<?xml version=\"1.0\"?><Root><a>1</a></Root>");
    ASSERT_TRUE(withDecl.ok);
    ASSERT_NE(withDecl.document.firstNode(), nullptr);
    EXPECT_FALSE(withDecl.document.firstNode()->isElement());
    EXPECT_EQ(withDecl.document.firstNode()->child(u"a"), nullptr);
    EXPECT_NE(withDecl.document.topLevelElement(u"Root"), nullptr);

    const auto withComment = parseXml("<!-- c --><Root/>");
    ASSERT_TRUE(withComment.ok);
    EXPECT_EQ(withComment.document.firstNode()->kind, XmlNode::Kind::Comment);

    const auto plain = parseXml("  \n<Other><a>x</a></Other><!--SW_VERSION = 1.003-->");
    ASSERT_TRUE(plain.ok);
    EXPECT_EQ(plain.document.firstNode()->name, QStringLiteral("Other"));
    EXPECT_EQ(plain.document.nodes.size(), 2u);
}

TEST(XmlTree, KeepsTextExactlyAndFindsFirstChildByExactName)
{
    const auto r = parseXml("<R>\n  <a>  </a>\n  <a>second</a>\n  <A>upper</A><b>x&amp;y&lt;</b><c><![CDATA[q<]]></c></R>");
    ASSERT_TRUE(r.ok);
    const XmlNode *root = r.document.firstNode();
    EXPECT_EQ(root->child(u"a")->text(), QStringLiteral("  "));
    EXPECT_EQ(root->child(u"A")->text(), QStringLiteral("upper"));
    EXPECT_EQ(root->child(u"b")->text(), QStringLiteral("x&y<"));
    EXPECT_EQ(root->child(u"c")->text(), QStringLiteral("q<"));
    EXPECT_EQ(root->child(u"missing"), nullptr);
    EXPECT_EQ(root->childElements().size(), 5u);
}

TEST(XmlTree, ReportsParserErrorWithPlace)
{
    const auto r = parseXml("<R>\n<a></b></R>");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.line, 2);
    EXPECT_GT(r.column, 0);
    EXPECT_TRUE(r.errorText(QStringLiteral("f.xml")).startsWith(QStringLiteral("f.xml: ")));
    EXPECT_TRUE(r.errorText(QStringLiteral("f.xml")).contains(QStringLiteral("line 2")));
    EXPECT_FALSE(parseXml("").ok);
    EXPECT_FALSE(parseXml("\x01\x02garbage").ok);
}

TEST(XmlWriter, WritesWithoutDeclarationAndReadsBackUnchanged)
{
    const QString tricky = QStringLiteral("  a&b<c>d\"e'f\tg\r\nh\u00e9\u4e2d ");
    XmlWriter w;
    w.startElement(QStringLiteral("Root"));
    w.textElement(QStringLiteral("t"), tricky);
    w.textElement(QStringLiteral("empty"), QString());
    w.startElement(QStringLiteral("row"));
    w.attribute(QStringLiteral("Name"), tricky);
    w.endElement();
    w.endElement();
    w.comment(QStringLiteral("SW_VERSION = 1.003"));
    ASSERT_TRUE(w.ok());
    const QByteArray bytes = w.toUtf8();
    EXPECT_TRUE(bytes.startsWith("<Root><t>"));
    EXPECT_TRUE(bytes.endsWith("</Root><!--SW_VERSION = 1.003-->"));
    EXPECT_TRUE(bytes.contains("<empty/>"));

    const auto r = parseXml(bytes);
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    const XmlNode *root = r.document.firstNode();
    EXPECT_EQ(root->child(u"t")->text(), tricky);
    EXPECT_EQ(root->child(u"empty")->text(), QString());
    EXPECT_EQ(*root->child(u"row")->attribute(u"Name"), tricky);
}

TEST(XmlWriter, RefusesCharactersXmlCannotHold)
{
    XmlWriter w;
    w.startElement(QStringLiteral("Root"));
    w.textElement(QStringLiteral("Eth_Conn_Device_Name"), QStringLiteral("a") + QChar(1));
    w.endElement();
    EXPECT_FALSE(w.ok());
    EXPECT_TRUE(w.error().contains(QStringLiteral("Eth_Conn_Device_Name")));
    EXPECT_TRUE(w.error().contains(QStringLiteral("U+0001")));
}
