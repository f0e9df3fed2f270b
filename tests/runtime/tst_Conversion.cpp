// Conversion of setting texts and the rounding rules of the integer operations.
#include "Conversion.h"

#include <QTest>

#include <cmath>
#include <stdexcept>

class tst_Conversion : public QObject {
    Q_OBJECT
private slots:
    void toNumber_data();
    void toNumber();
    void modRoundsBothOperands_data();
    void modRoundsBothOperands();
    void modByZeroIsRefused();
    void integerPartIsFloor_data();
    void integerPartIsFloor();
    void integersBecomePlainDigits();
};

void tst_Conversion::toNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<double>("value");
    QTest::newRow("plain integer") << "50" << true << 50.0;
    QTest::newRow("empty counts as 0") << "" << true << 0.0;
    QTest::newRow("blanks only count as 0") << "   " << true << 0.0;
    QTest::newRow("surrounding blanks") << " 180 " << true << 180.0;
    QTest::newRow("C-locale decimal point") << "0.5" << true << 0.5;
    QTest::newRow("negative") << "-3" << true << -3.0;
    QTest::newRow("exponent") << "1e308" << true << 1e308;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("digits then letters") << "12abc" << false << 0.0;
    QTest::newRow("overflow") << "1e400" << false << 0.0;
    QTest::newRow("infinity") << "inf" << false << 0.0;
    QTest::newRow("not a number") << "nan" << false << 0.0;
}

void tst_Conversion::toNumber() {
    QFETCH(QString, text);
    QFETCH(bool, converts);
    QFETCH(double, value);
    const std::optional<double> result = Conversion::toNumber(text);
    QCOMPARE(result.has_value(), converts);
    if (converts) {
        QCOMPARE(*result, value);
    }
}

void tst_Conversion::modRoundsBothOperands_data() {
    QTest::addColumn<double>("dividend");
    QTest::addColumn<double>("divisor");
    QTest::addColumn<double>("remainder");
    QTest::newRow("15.7 acts as 16: 336 is a multiple") << 336.0 << 15.7 << 0.0;
    QTest::newRow("15.7 acts as 16: 330 is not") << 330.0 << 15.7 << 10.0;
    QTest::newRow("13 divides 338") << 338.0 << 13.0 << 0.0;
    QTest::newRow("sign follows the dividend") << -17.0 << 16.0 << -1.0;
    QTest::newRow("negative divisor") << 17.0 << -16.0 << 1.0;
    QTest::newRow("dividend half rounds to even (2.5 -> 2)") << 2.5 << 2.0 << 0.0;
    QTest::newRow("dividend half rounds to even (3.5 -> 4)") << 3.5 << 3.0 << 1.0;
    QTest::newRow("divisor half rounds to even (2.5 -> 2)") << 7.0 << 2.5 << 1.0;
    QTest::newRow("negative half rounds to even (-2.5 -> -2)") << -2.5 << 3.0 << -2.0;
}

void tst_Conversion::modRoundsBothOperands() {
    QFETCH(double, dividend);
    QFETCH(double, divisor);
    QFETCH(double, remainder);
    QCOMPARE(Conversion::mod(dividend, divisor), remainder);
}

void tst_Conversion::modByZeroIsRefused() {
    QVERIFY_THROWS_EXCEPTION(std::domain_error, Conversion::mod(5, 0.4));
}

void tst_Conversion::integerPartIsFloor_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("integer");
    QTest::newRow("positive fraction") << 2.999 << 2.0;
    QTest::newRow("negative fraction goes down") << -0.5 << -1.0;
    QTest::newRow("negative half") << -2.5 << -3.0;
    QTest::newRow("whole number") << 450.0 << 450.0;
    QTest::newRow("just under the top of the range") << 0.9999999 * 451 << 450.0;
}

void tst_Conversion::integerPartIsFloor() {
    QFETCH(double, value);
    QFETCH(double, integer);
    QCOMPARE(Conversion::integerPart(value), integer);
}

void tst_Conversion::integersBecomePlainDigits() {
    QCOMPARE(Conversion::toText(50), QStringLiteral("50"));
    QCOMPARE(Conversion::toText(180), QStringLiteral("180"));
    QCOMPARE(Conversion::toText(-3), QStringLiteral("-3"));
}

QTEST_APPLESS_MAIN(tst_Conversion)
#include "tst_Conversion.moc"
