<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ControlFactory</name>
    <message numerus="yes">
        <source>%Ln photon(s) per dot</source>
        <translation>
            <numerusform>%Ln photon per dot</numerusform>
            <numerusform>%Ln photons per dot</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sends %Ln photon(s) to each detector point</source>
        <translation>
            <numerusform>Sends %Ln photon to each detector point</numerusform>
            <numerusform>Sends %Ln photons to each detector point</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunDisplay</name>
    <message numerus="yes">
        <source>Pace: up to %Ln hit(s) a second</source>
        <translation>
            <numerusform>Pace: up to %Ln hit a second</numerusform>
            <numerusform>Pace: up to %Ln hits a second</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pace: %Ln photon(s) a second</source>
        <translation>
            <numerusform>Pace: %Ln photon a second</numerusform>
            <numerusform>Pace: %Ln photons a second</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pace: %Ln repetition(s) a second</source>
        <translation>
            <numerusform>Pace: %Ln repetition a second</numerusform>
            <numerusform>Pace: %Ln repetitions a second</numerusform>
        </translation>
    </message>
</context>
</TS>
