#include "forms/NumberChecks.h"

#include "RecordingPrompter.h"

#include <QtTest>

using Icon = CPrompter::Icon;
Q_DECLARE_METATYPE(CPrompter::Icon)

namespace
{
CNumberField FieldNamed(const QString& name)
{
    if (name == "ASPL")
        return CNumberField::Aspl();
    if (name == "D")
        return CNumberField::HazardDuration();
    if (name == "HR")
        return CNumberField::InitialHazardRate();
    if (name == "P")
        return CNumberField::YesProbability();
    if (name == "N")
        return CNumberField::InteractionWithEnvironment();
    return CNumberField::AccidentProbability(name);
}
} // namespace

class TestNumberChecks : public QObject
{
    Q_OBJECT
private slots:
    // Field: ASPL, D, HR, P (Yes Probability), N (accident form) or a standard accident code.
    // An empty message means the pair passes.
    void checkNumberPair_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("mantissa");
        QTest::addColumn<QString>("exponent");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Icon>("icon");
        const Icon I = Icon::Information, W = Icon::Warning;

        // Every field's message row.
        QTest::newRow("ASPL blank") << "ASPL"
                                    << ""
                                    << ""
                                    << "The \"ASPL\" field cannot be blank" << I;
        QTest::newRow("ASPL plus") << "ASPL"
                                   << "1+"
                                   << ""
                                   << "Please enter a proper value for the \"ASPL\" field" << W;
        QTest::newRow("ASPL inner minus")
            << "ASPL"
            << "1-2"
            << ""
            << "Please enter a proper value for the \"ASPL\" field" << W;
        QTest::newRow("ASPL points") << "ASPL"
                                     << "1.2.3"
                                     << ""
                                     << "Please enter a proper value for the \"ASPL\" field" << W;
        QTest::newRow("ASPL exponent")
            << "ASPL"
            << "1"
            << "5-"
            << "Please enter a proper exponent for the \"ASPL\" field" << W;
        QTest::newRow("ASPL range")
            << "ASPL"
            << "1"
            << "-100"
            << "The exponential value of the \"ASPL\" field has to be between -99 and +99" << I;
        QTest::newRow("ASPL negative passes") << "ASPL"
                                              << "-5"
                                              << ""
                                              << "" << I;

        QTest::newRow("D blank") << "D"
                                 << ""
                                 << ""
                                 << "The \"Hazard Duration\" field cannot be blank" << I;
        QTest::newRow("D plus") << "D"
                                << "2+"
                                << ""
                                << "Please enter a proper value for the \"Hazard Duration\" field"
                                << W;
        QTest::newRow("D negative")
            << "D"
            << "-5"
            << ""
            << "The \"Hazard Duration\" field cannot take negative values" << I;
        QTest::newRow("D points") << "D"
                                  << "1..2"
                                  << ""
                                  << "Please enter a proper value for the \"Hazard Duration\" field"
                                  << W;
        QTest::newRow("D exponent")
            << "D"
            << "1"
            << "+-5"
            << "Please enter a proper exponent value for the \"Hazard Duration\" field" << W;
        QTest::newRow("D range +0005") << "D"
                                       << "1"
                                       << "+0005"
                                       << "The exponential value of the \"Hazard Duration\" field "
                                          "has to be between -99 and +99"
                                       << I;
        QTest::newRow("D five zeros pass") << "D"
                                           << "1"
                                           << "00000"
                                           << "" << I;

        QTest::newRow("HR blank") << "HR"
                                  << ""
                                  << ""
                                  << "The \"Initial Hazard Rate\" field cannot be blank" << I;
        QTest::newRow("HR plus")
            << "HR"
            << "1+1"
            << ""
            << "Please enter a proper value for the \"Initial Hazard Rate\" field" << W;
        QTest::newRow("HR negative")
            << "HR"
            << "1-"
            << ""
            << "The \"Initial Hazard Rate\" field cannot take negative values" << I;
        QTest::newRow("HR exponent")
            << "HR"
            << "1"
            << "-5-"
            << "Please enter a proper exponent value for the \"Initial Hazard Rate\" field" << W;
        QTest::newRow("HR range") << "HR"
                                  << "1"
                                  << "100"
                                  << "The exponential value of the \"Initial Hazard Rate\" field "
                                     "has to be between -99 and +99"
                                  << I;

        QTest::newRow("P blank") << "P"
                                 << ""
                                 << ""
                                 << "The \"Yes Probability\" field cannot be blank" << I;
        QTest::newRow("P plus") << "P"
                                << ".+5"
                                << ""
                                << "Please enter a proper value for the \"Yes Probability\" field"
                                << W;
        QTest::newRow("P negative") << "P"
                                    << "-0.5"
                                    << ""
                                    << "The \"Yes Probability\" cannot take negative values" << I;
        QTest::newRow("P exponent") << "P"
                                    << "1"
                                    << "5+"
                                    << "Please enter a proper exponent value" << W;
        QTest::newRow("P range -100 at step 11")
            << "P"
            << "1"
            << "-100"
            << "The exponential value of the \"Yes Probability\" field has to be between -99 and "
               "+99"
            << I;
        QTest::newRow("P greater than one")
            << "P"
            << "1.0000001"
            << ""
            << "The \"Yes Probability\" cannot be greater than 1." << I;
        QTest::newRow("P exactly one") << "P"
                                       << "1"
                                       << ""
                                       << "" << I;

        QTest::newRow("N blank")
            << "N"
            << ""
            << ""
            << "Please enter a proper value for the \"Interaction with environment\" field" << I;
        QTest::newRow("N plus")
            << "N"
            << "1+"
            << ""
            << "Please enter a proper value for the \"Interaction with Environment\" field" << W;
        QTest::newRow("N negative")
            << "N"
            << "-1"
            << ""
            << "The \"Interaction with environment\" field cannot take negative values" << W;
        QTest::newRow("N points")
            << "N"
            << "1.1.1"
            << ""
            << "Please enter a proper value for the \"Interaction With Environment\" field" << W;
        QTest::newRow("N exponent") << "N"
                                    << "1"
                                    << "--1"
                                    << "Please enter a proper exponent value" << W;
        QTest::newRow("N range") << "N"
                                 << "1"
                                 << "-100"
                                 << "Exponential value of N should be between -99 and +99" << I;

        QTest::newRow("LSC blank passes") << "LSC"
                                          << ""
                                          << ""
                                          << "" << I;
        QTest::newRow("LSC plus") << "LSC"
                                  << "0+1"
                                  << ""
                                  << "Please enter a proper value for the LSC Probability field"
                                  << W;
        QTest::newRow("MSC negative") << "MSC"
                                      << "-1"
                                      << ""
                                      << "The MSC Probability cannot take negative values" << I;
        QTest::newRow("HSC exponent") << "HSC"
                                      << "1"
                                      << "1-"
                                      << "Please enter a proper HSC exponent value" << W;
        QTest::newRow("LSD range")
            << "LSD"
            << "1"
            << "-100"
            << "The exponential value of the LSD Probability field has to be between -99 and +99"
            << I;
        QTest::newRow("HSD greater than one")
            << "HSD"
            << "2"
            << ""
            << "The HSD Probability cannot be greater than 1." << I;

        // Edge cases of the steps and their order.
        QTest::newRow("2.5 e -6 passes") << "D"
                                         << "2.5"
                                         << "-6"
                                         << "" << I;
        QTest::newRow("1000 e 99 fails at step 11")
            << "HR"
            << "1000"
            << "99"
            << "The exponential value of the \"Initial Hazard Rate\" field has to be between -99 "
               "and +99"
            << I;
        QTest::newRow("1 e 99 passes") << "HR"
                                       << "1"
                                       << "99"
                                       << "" << I;
        QTest::newRow("leading plus passes step 2") << "HR"
                                                    << "+1"
                                                    << ""
                                                    << "" << I;
        QTest::newRow("plus exponent passes") << "HR"
                                              << "1"
                                              << "+5"
                                              << "" << I;
        QTest::newRow("minus exponent passes") << "HR"
                                               << "1"
                                               << "-5"
                                               << "" << I;
        QTest::newRow("exponent points")
            << "HR"
            << "1"
            << "1.2.3"
            << "Please enter a proper exponent value for the \"Initial Hazard Rate\" field" << W;
        QTest::newRow("P 5- at step 6") << "P"
                                        << "0.5"
                                        << "5-"
                                        << "Please enter a proper exponent value" << W;
        QTest::newRow("ASPL -100 at step 9")
            << "ASPL"
            << "1"
            << "-100"
            << "The exponential value of the \"ASPL\" field has to be between -99 and +99" << I;
        QTest::newRow("P 1e-99 passes") << "P"
                                        << "1"
                                        << "-99"
                                        << "" << I;
        QTest::newRow("zero passes") << "HR"
                                     << "0"
                                     << ""
                                     << "" << I;
        QTest::newRow("huge mantissa is out of range")
            << "HR" << QString(400, u'9') << ""
            << "The exponential value of the \"Initial Hazard Rate\" field has to be between -99 "
               "and +99"
            << I;
        QTest::newRow("huge exponent text")
            << "ASPL"
            << "1"
            << "99999999999999999999"
            << "The exponential value of the \"ASPL\" field has to be between -99 and +99" << I;
    }
    void checkNumberPair()
    {
        QFETCH(QString, field);
        QFETCH(QString, mantissa);
        QFETCH(QString, exponent);
        QFETCH(QString, message);
        QFETCH(Icon, icon);
        CRecordingPrompter prompter;
        const bool ok = CheckNumberPair(mantissa, exponent, FieldNamed(field));
        QCOMPARE(ok, message.isEmpty());
        if (message.isEmpty())
        {
            QVERIFY(prompter.entries.isEmpty());
            return;
        }
        QCOMPARE(prompter.entries.size(), 1);
        QCOMPARE(prompter.entries[0].text, message);
        QCOMPARE(prompter.entries[0].icon, icon);
        QCOMPARE(prompter.entries[0].caption, QString("Toravin Model Vozezur"));
    }

    void checkPlainNumber_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("N ok") << "N"
                              << "12.5"
                              << "";
        QTest::newRow("empty ok") << "S"
                                  << ""
                                  << "";
        QTest::newRow("leading plus ok") << "N"
                                         << "+3"
                                         << "";
        QTest::newRow("N plus")
            << "N"
            << "3+"
            << "Please enter a proper value for the HSD Interaction with Environment field";
        QTest::newRow("N negative")
            << "N"
            << "-1"
            << "The HSD Interaction with environment field cannot take negative values";
        QTest::newRow("N points")
            << "N"
            << "1.2.3"
            << "Please enter a proper value for the HSD Interaction With Environment field";
        QTest::newRow("S plus") << "S"
                                << "3+"
                                << "Please enter a proper value for the HSD Adjusted cost field";
        QTest::newRow("S negative") << "S"
                                    << "5-"
                                    << "The HSD Adjusted cost field cannot take negative values";
        QTest::newRow("S points") << "S"
                                  << "1.2.3"
                                  << "Please enter a proper value for the HSD Adjusted cost field";
    }
    void checkPlainNumber()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QString, message);
        CRecordingPrompter prompter;
        const CPlainNumberField field = kind == "N"
                                            ? CPlainNumberField::AccidentInteraction("HSD")
                                            : CPlainNumberField::AccidentAdjustedCost("HSD");
        QCOMPARE(CheckPlainNumber(text, field), message.isEmpty());
        QCOMPARE(prompter.Messages(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty())
            QCOMPARE(prompter.entries[0].icon, Icon::Warning);
    }
};

QTEST_GUILESS_MAIN(TestNumberChecks)
#include "tst_NumberChecks.moc"
