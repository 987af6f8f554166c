#pragma once
// Texts of the four plan and report documents and the works remarks.

#include "model/FieldTypes.h"

namespace tessaro {

struct DocumentText {
    std::array<QString, 4> Texts;
    std::int16_t Flag1 = 0;
    std::int16_t Flag2 = 0;
    Block<120> Options{};
    std::array<QString, 10> Lines;

    template <class V>
    void visit(V& v)
    {
        v("Texts", Texts);
        v("Flag1", Flag1);
        v("Flag2", Flag2);
        v("Options", Options);
        v("Lines", Lines);
    }
};

struct HeaderBlock {
    std::array<QString, 21> Remarks;
    std::array<DocumentText, 4> DocumentTexts; // basic plan, basic report, quality plan, quality report

    template <class V>
    void visit(V& v)
    {
        v("Remarks", Remarks);
        v("DocumentTexts", DocumentTexts);
    }
};

struct TitleItem {
    QString Text;
    std::int16_t Flag = 0;

    template <class V>
    void visit(V& v)
    {
        v("Text", Text);
        v("Flag", Flag);
    }
};

struct PartyItem {
    std::int16_t Flag = 0;
    std::int32_t Value = 0;
    std::array<QString, 3> Texts;

    template <class V>
    void visit(V& v)
    {
        v("Flag", Flag);
        v("Value", Value);
        v("Texts", Texts);
    }
};

struct ContentItem {
    QString Text1;
    QString Text2;
    std::array<QString, 2> Pair1;
    std::array<QString, 2> Pair2;
    std::array<QString, 5> List1;
    std::array<QString, 5> List2;
    std::array<QString, 5> List3;
    std::array<QString, 5> List4;

    template <class V>
    void visit(V& v)
    {
        v("Text1", Text1);
        v("Text2", Text2);
        v("Pair1", Pair1);
        v("Pair2", Pair2);
        v("List1", List1);
        v("List2", List2);
        v("List3", List3);
        v("List4", List4);
    }
};

struct SignItem {
    std::array<QString, 3> Texts;
    std::int16_t Flag = 0;
    QString Text;

    template <class V>
    void visit(V& v)
    {
        v("Texts", Texts);
        v("Flag", Flag);
        v("Text", Text);
    }
};

struct DocumentFieldsLong {
    TitleItem Title;
    std::array<QString, 6> Outline;
    PartyItem Party;
    ContentItem Content;
    std::array<QString, 7> Procedure;
    SignItem Sign;
    QString Closing;

    template <class V>
    void visit(V& v)
    {
        v("TitleItem", Title);
        v("Outline", Outline);
        v("PartyItem", Party);
        v("ContentItem", Content);
        v("Procedure", Procedure);
        v("SignItem", Sign);
        v("Closing", Closing);
    }
};

struct DocumentFieldsShort {
    TitleItem Title;
    std::array<QString, 6> Outline;
    SignItem Sign;
    QString Closing;

    template <class V>
    void visit(V& v)
    {
        v("TitleItem", Title);
        v("Outline", Outline);
        v("SignItem", Sign);
        v("Closing", Closing);
    }
};

struct DocumentSettings {
    DocumentFieldsLong BasicPlan;
    DocumentFieldsLong BasicReport;
    DocumentFieldsShort QualityPlan;
    DocumentFieldsShort QualityReport;

    template <class V>
    void visit(V& v)
    {
        v("BasicPlan", BasicPlan);
        v("BasicReport", BasicReport);
        v("QualityPlan", QualityPlan);
        v("QualityReport", QualityReport);
    }
};

// A ten-row table saved and loaded unchanged; its first column is filled from a
// working table of doubles.
struct SummaryTable {
    std::array<float, 10> FirstColumn{};
    Block<168> Rest{};

    template <class V>
    void visit(V& v)
    {
        v("FirstColumn", FirstColumn);
        v("Rest", Rest);
    }
};

} // namespace tessaro
