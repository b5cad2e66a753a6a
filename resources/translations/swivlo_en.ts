<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<!-- English texts for the interface keys that are not themselves English. Every other key is
     its own English text and needs no entry. -->
<context>
    <name>Swivlo</name>
    <message>
        <source>feature_summary_empty</source>
        <comment>Shown when a scene has no features configured</comment>
        <translation>No features configured</translation>
    </message>
    <message>
        <source>search_placeholder</source>
        <translation>Search symbols</translation>
    </message>
    <message>
        <source>remove_symbol</source>
        <translation>Remove Symbol</translation>
    </message>
</context>
</TS>
